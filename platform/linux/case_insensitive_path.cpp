#include "case_insensitive_path.h"

#include <sys/stat.h>

#include "directory_handle.h"
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
// "/a/b/" gives "/a" and "b", "/a" gives "/" and "a".
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

}  // namespace

std::string AppendComponent(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, const std::string& name)
{
    if (EntryExists(AppendComponent(folder, name)))
        return name;
    return FirstMatchIgnoringCase(folder, name);
}

std::optional<std::string> ResolvePathIgnoringCase(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    if (EntryExists(path))
        return path;
    const PathParts given = SplitLastComponent(path);
    const std::optional<PathParts> parts = ResolveParentIgnoringCase(path);
    if (!parts)
        return std::nullopt;
    // With the folder spelt as given, the exact name is already known to be
    // missing; only a listing can find it now.
    const std::optional<std::string> name = parts->folder == given.folder
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
    const PathParts parts = SplitLastComponent(path);
    if (parts.name.empty())
        return std::nullopt;
    std::optional<std::string> folder =
        parts.folder.empty() ? std::optional<std::string>(std::string()) : ResolvePathIgnoringCase(parts.folder);
    if (!folder)
        return std::nullopt;
    return PathParts{*folder, parts.name};
}

std::string ExistingSpelling(const std::string& path)
{
    return ResolvePathIgnoringCase(path).value_or(path);
}

}  // namespace dalvorn
