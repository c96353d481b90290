#include "folder_listing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <iterator>

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

DirectoryEntry EntryOf(int folderDescriptor, const dirent& entry)
{
    const bool isDirectory = IsDirectory(folderDescriptor, entry);
    return {entry.d_name, isDirectory, entry.d_type == DT_DIR};
}

bool NamePrecedes(const DirectoryEntry& left, const DirectoryEntry& right)
{
    return CompareNamesIgnoringCase(left.name, right.name) < 0;
}

}  // namespace

std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder, const std::string& pattern)
{
    DirectoryHandle directory(folder);
    if (!directory.IsOpen())
        return std::nullopt;
    // "." and ".." are kept apart and put first, which spares the sort
    // testing for them in every comparison.
    std::vector<DirectoryEntry> entries;
    std::vector<DirectoryEntry> dots;
    while (const dirent* entry = directory.Next()) {
        if (MatchesWildcard(entry->d_name, pattern))
            (IsDotEntry(entry->d_name) ? dots : entries).push_back(EntryOf(directory.Descriptor(), *entry));
    }
    std::sort(dots.begin(), dots.end(), NamePrecedes);
    std::sort(entries.begin(), entries.end(), NamePrecedes);
    entries.insert(entries.begin(), std::make_move_iterator(dots.begin()), std::make_move_iterator(dots.end()));
    return entries;
}

}  // namespace dalvorn
