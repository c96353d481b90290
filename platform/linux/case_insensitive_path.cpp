#include "case_insensitive_path.h"

#include <sys/stat.h>

#include "core/text_case.h"
#include "directory_handle.h"
#include "folder_listing.h"

namespace dalvorn {

namespace {

bool EntryExists(const std::string& path)
{
    struct stat status;
    return lstat(path.empty() ? "." : path.c_str(), &status) == 0;
}

// The first name in folder order that equals `name` in any letter case;
// nothing when there is none or the folder cannot be opened.
std::optional<std::string> FirstMatchIgnoringCase(const std::string& folder, const std::string& name)
{
    std::optional<std::string> first;
    DirectoryHandle directory(folder);
    if (!directory.IsOpen())
        return first;
    while (const dirent* entry = directory.Next()) {
        if (SameNameIgnoringCase(entry->d_name, name) && (!first || PrecedesInFolderOrder(entry->d_name, *first)))
            first = entry->d_name;
    }
    return first;
}

// Splits off the last component, ignoring trailing separators:
// "/a//b/" gives "/a" and "b", "/a" gives "/" and "a", "a" gives "" and "a".
PathParts SplitLastComponent(const std::string& path)
{
    const std::size_t end = path.find_last_not_of('/') + 1;
    if (end == 0)
        return {};
    const std::size_t separator = path.rfind('/', end - 1);
    if (separator == std::string::npos)
        return {std::string(), path.substr(0, end)};
    const std::size_t folderEnd = path.find_last_not_of('/', separator) + 1;
    return {folderEnd == 0 ? "/" : path.substr(0, folderEnd), path.substr(separator + 1, end - separator - 1)};
}

}  // namespace

std::string AppendComponent(const std::string& folder, const std::string& name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + '/' + name;
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, const std::string& name)
{
    return EntryExists(AppendComponent(folder, name)) ? name : FirstMatchIgnoringCase(folder, name);
}

std::optional<std::string> ResolvePathIgnoringCase(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    if (EntryExists(path))
        return path;
    const std::optional<PathParts> parts = ResolveParentIgnoringCase(path);
    if (!parts)
        return std::nullopt;
    // With the folder spelt as given, the exact name is already known to be
    // missing; only a listing can find it now.
    const std::optional<std::string> name = parts->folder == SplitLastComponent(path).folder
                                                ? FirstMatchIgnoringCase(parts->folder, parts->name)
                                                : FindEntryIgnoringCase(parts->folder, parts->name);
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

std::optional<PathParts> ResolveParentIgnoringCase(const std::string& path)
{
    PathParts parts = SplitLastComponent(path);
    if (parts.name.empty())
        return std::nullopt;
    if (!parts.folder.empty()) {
        const std::optional<std::string> folder = ResolvePathIgnoringCase(parts.folder);
        if (!folder)
            return std::nullopt;
        parts.folder = *folder;
    }
    return parts;
}

std::string ExistingSpelling(const std::string& path)
{
    return ResolvePathIgnoringCase(path).value_or(path);
}

}  // namespace dalvorn
