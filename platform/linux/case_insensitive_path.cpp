#include "case_insensitive_path.h"

#include <sys/stat.h>

#include <algorithm>

#include "directory_handle.h"
#include "folder_name_index.h"
#include "name_order.h"

namespace dalvorn {

namespace {

bool EntryExists(const std::string& path)
{
    struct stat status;
    return lstat(path.empty() ? "." : path.c_str(), &status) == 0;
}

std::string WithoutTrailingSeparators(const std::string& path)
{
    std::size_t end = path.size();
    while (end > 1 && path[end - 1] == '/')
        --end;
    return path.substr(0, end);
}

std::optional<std::string> ResolveFolder(const std::string& folder, FolderNameIndex* index)
{
    if (folder.empty())
        return std::string();
    if (index && index->CanList(folder))
        return folder;
    return ResolvePathIgnoringCase(folder, index);
}

std::optional<std::string> FirstMatchIgnoringCase(const std::string& folder, const std::string& name,
                                                  FolderNameIndex* index)
{
    std::vector<std::string> matches = EntriesMatchingIgnoringCase(folder, name, index);
    if (matches.empty())
        return std::nullopt;
    return matches.front();
}

// The answer of the folder's listing, when the folder is there as spelt and
// lists the name in some spelling: the exact one when listed, else the first.
// Spares a look-up by path for every file of a folder worked through.
std::optional<std::string> ResolveThroughListing(const std::string& path, FolderNameIndex& index)
{
    if (path.back() == '/')
        return std::nullopt;
    const PathParts parts = SplitLastComponent(path);
    if (parts.name.empty() || IsDotEntry(parts.name))
        return std::nullopt;
    const std::vector<std::string> matches = index.Matching(parts.folder, parts.name);
    if (matches.empty())
        return std::nullopt;
    if (std::find(matches.begin(), matches.end(), parts.name) != matches.end())
        return path;
    return AppendComponent(parts.folder, matches.front());
}

}  // namespace

PathParts SplitLastComponent(const std::string& path)
{
    const std::string trimmed = WithoutTrailingSeparators(path);
    const std::size_t separator = trimmed.rfind('/');
    if (separator == std::string::npos)
        return {std::string(), trimmed};
    if (trimmed == "/")
        return {"/", std::string()};
    std::string folder = WithoutTrailingSeparators(trimmed.substr(0, separator));
    return {folder.empty() ? "/" : folder, trimmed.substr(separator + 1)};
}

std::string AppendComponent(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

std::vector<std::string> EntriesMatchingIgnoringCase(const std::string& folder, const std::string& name,
                                                     FolderNameIndex* index)
{
    if (index)
        return index->Matching(folder, name);
    std::vector<std::string> matches;
    DirectoryHandle directory(folder);
    if (!directory.IsOpen())
        return matches;
    while (const dirent* entry = directory.Next()) {
        if (SameNameIgnoringCase(entry->d_name, name))
            matches.emplace_back(entry->d_name);
    }
    std::sort(matches.begin(), matches.end(), PrecedesInFolderOrder);
    return matches;
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, const std::string& name,
                                                 FolderNameIndex* index)
{
    if (EntryExists(AppendComponent(folder, name)))
        return name;
    return FirstMatchIgnoringCase(folder, name, index);
}

std::optional<std::string> ResolvePathIgnoringCase(const std::string& path, FolderNameIndex* index)
{
    if (path.empty())
        return std::nullopt;
    if (index)
        if (std::optional<std::string> listed = ResolveThroughListing(path, *index))
            return listed;
    if (EntryExists(path))
        return path;
    const PathParts given = SplitLastComponent(path);
    const std::optional<PathParts> parts = ResolveParentIgnoringCase(path, index);
    if (!parts)
        return std::nullopt;
    // With the folder spelt as given, the exact name is already known to be
    // missing; only a listing can find it now.
    const std::optional<std::string> name = parts->folder == given.folder
                                                ? FirstMatchIgnoringCase(parts->folder, parts->name, index)
                                                : FindEntryIgnoringCase(parts->folder, parts->name, index);
    if (!name)
        return std::nullopt;
    std::string resolved = AppendComponent(parts->folder, *name);
    if (path.back() == '/') {
        // A trailing separator demands a folder; let the system judge that.
        resolved += '/';
        if (!EntryExists(resolved))
            return std::nullopt;
    }
    return resolved;
}

std::optional<PathParts> ResolveParentIgnoringCase(const std::string& path, FolderNameIndex* index)
{
    const PathParts parts = SplitLastComponent(path);
    if (parts.name.empty())
        return std::nullopt;
    std::optional<std::string> folder = ResolveFolder(parts.folder, index);
    if (!folder)
        return std::nullopt;
    return PathParts{*folder, parts.name};
}

std::string ExistingSpelling(const std::string& path, FolderNameIndex* index)
{
    return ResolvePathIgnoringCase(path, index).value_or(path);
}

}  // namespace dalvorn
