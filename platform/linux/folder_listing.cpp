#include "folder_listing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "core/text_case.h"
#include "directory_handle.h"

namespace dalvorn {

namespace {

// Names sort as their keys do: "0" for a dot entry or "1", then the name
// upper-cased.
std::string OrderKey(const std::string& name)
{
    std::string key = (IsDotEntry(name) ? "0" : "1") + name;
    std::transform(key.begin(), key.end(), key.begin(), AsciiUpper);
    return key;
}

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

}  // namespace

bool PrecedesInFolderOrder(const std::string& left, const std::string& right)
{
    const int compared = OrderKey(left).compare(OrderKey(right));
    return compared != 0 ? compared < 0 : left < right;
}

std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder)
{
    DirectoryHandle directory(folder);
    if (!directory.IsOpen()) {
        if (directory.Error() == ENOENT || directory.Error() == ENOTDIR)
            return std::nullopt;
        throw FileException(folder, std::generic_category().message(directory.Error()));
    }
    // Each name is keyed once rather than in every comparison.
    std::vector<std::pair<std::string, DirectoryEntry>> keyed;
    while (const dirent* entry = directory.Next()) {
        DirectoryEntry listed = EntryOf(directory.Descriptor(), *entry);
        keyed.emplace_back(OrderKey(listed.name), std::move(listed));
    }
    if (directory.Error() != 0)
        throw FileException(folder, std::generic_category().message(directory.Error()));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int compared = a.first.compare(b.first);
        return compared != 0 ? compared < 0 : a.second.name < b.second.name;
    });
    std::vector<DirectoryEntry> entries;
    entries.reserve(keyed.size());
    for (auto& [key, entry] : keyed)
        entries.push_back(std::move(entry));
    return entries;
}

}  // namespace dalvorn
