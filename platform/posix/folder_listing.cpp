#include "folder_listing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#include "directory_handle.h"
#include "name_order.h"
#include "wildcard_pattern.h"

namespace dalvorn {

namespace {

// Links are followed, as Windows reports a junction to a folder as a folder;
// a link that leads nowhere (dangling, or in a loop) is a plain entry.
bool IsDirectory(int folderDescriptor, const dirent& entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status;
    return fstatat(folderDescriptor, entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

bool PrecedesEntry(const DirectoryEntry& left, const DirectoryEntry& right)
{
    return PrecedesInFolderOrder(left.name, right.name);
}

}  // namespace

std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder, const std::string& pattern)
{
    DirectoryHandle directory(folder);
    if (!directory.IsOpen())
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    while (const dirent* entry = directory.Next()) {
        if (MatchesWildcard(entry->d_name, pattern))
            entries.push_back({entry->d_name, IsDirectory(directory.Descriptor(), *entry)});
    }
    std::sort(entries.begin(), entries.end(), PrecedesEntry);
    return entries;
}

}  // namespace dalvorn
