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

// In the order of CompareNamesIgnoringCase, each name upper-cased once
// rather than in every comparison.
void SortInFolderOrder(std::vector<DirectoryEntry>& entries)
{
    std::vector<std::string> keys;
    std::vector<std::size_t> order;
    keys.reserve(entries.size());
    for (const DirectoryEntry& entry : entries) {
        order.push_back(keys.size());
        keys.push_back(entry.name);
        for (char& c : keys.back())
            c = AsciiUpper(c);
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = keys[a].compare(keys[b]);
        return compared != 0 ? compared < 0 : entries[a].name < entries[b].name;
    });
    std::vector<DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t index : order)
        sorted.push_back(std::move(entries[index]));
    entries = std::move(sorted);
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
    SortInFolderOrder(dots);
    SortInFolderOrder(entries);
    entries.insert(entries.begin(), std::make_move_iterator(dots.begin()), std::make_move_iterator(dots.end()));
    return entries;
}

}  // namespace dalvorn
