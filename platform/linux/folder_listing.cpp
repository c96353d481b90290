#include "folder_listing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <system_error>

#include "directory_handle.h"
#include "name_order.h"

namespace dalvorn {

namespace {

// Only the entry itself is a regular file, never a link; links are followed
// to folders, as Windows reports a junction to a folder as a folder.
DirectoryEntry EntryOf(int folderDescriptor, const dirent& entry)
{
    DirectoryEntry result;
    result.name = entry.d_name;
    unsigned char type = entry.d_type;
    struct stat status;
    if (type == DT_UNKNOWN && fstatat(folderDescriptor, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
        type = IFTODT(status.st_mode);
    result.isRegularFile = type == DT_REG;
    result.isPlainFolder = type == DT_DIR;
    result.isDirectory = type == DT_DIR || (type == DT_LNK && fstatat(folderDescriptor, entry.d_name, &status, 0) == 0 &&
                                            S_ISDIR(status.st_mode));
    return result;
}

bool NamePrecedes(const DirectoryEntry& left, const DirectoryEntry& right)
{
    return CompareNamesIgnoringCase(left.name, right.name) < 0;
}

}  // namespace

std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder)
{
    DirectoryHandle directory(folder);
    if (!directory.IsOpen()) {
        if (directory.Error() == ENOENT || directory.Error() == ENOTDIR)
            return std::nullopt;
        throw FileException(folder, std::generic_category().message(directory.Error()));
    }
    // "." and ".." are kept apart and put first, which spares the sort
    // testing for them in every comparison.
    std::vector<DirectoryEntry> entries;
    std::vector<DirectoryEntry> dots;
    while (const dirent* entry = directory.Next()) {
        (IsDotEntry(entry->d_name) ? dots : entries).push_back(EntryOf(directory.Descriptor(), *entry));
    }
    if (directory.Error() != 0)
        throw FileException(folder, std::generic_category().message(directory.Error()));
    std::sort(dots.begin(), dots.end(), NamePrecedes);
    std::sort(entries.begin(), entries.end(), NamePrecedes);
    entries.insert(entries.begin(), std::make_move_iterator(dots.begin()), std::make_move_iterator(dots.end()));
    return entries;
}

}  // namespace dalvorn
