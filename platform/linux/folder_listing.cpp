#include "folder_listing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cerrno>
#include <system_error>

#include "core/text_case.h"
#include "directory_handle.h"

namespace dalvorn {

namespace {

std::string UpperCased(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), AsciiUpper);
    return name;
}

// The folder order of two names, given their upper-cased forms.
bool Precedes(const std::string& left, const std::string& leftUpper, const std::string& right,
              const std::string& rightUpper)
{
    const bool leftIsDot = IsDotEntry(left);
    if (leftIsDot != IsDotEntry(right))
        return leftIsDot;
    const int compared = leftUpper.compare(rightUpper);
    return compared != 0 ? compared < 0 : left < right;
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
    return Precedes(left, UpperCased(left), right, UpperCased(right));
}

std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder)
{
    DirectoryHandle directory(folder);
    if (!directory.IsOpen()) {
        if (directory.Error() == ENOENT || directory.Error() == ENOTDIR)
            return std::nullopt;
        throw FileException(folder, std::generic_category().message(directory.Error()));
    }
    // "." and ".." come first without a sort; the other names are each
    // upper-cased once rather than in every comparison, and only their
    // positions move while sorting.
    std::vector<DirectoryEntry> entries;
    std::vector<DirectoryEntry> listed;
    std::vector<std::string> keys;
    while (const dirent* entry = directory.Next()) {
        DirectoryEntry found = EntryOf(directory.Descriptor(), *entry);
        if (IsDotEntry(found.name)) {
            entries.insert(found.name == "." ? entries.begin() : entries.end(), std::move(found));
            continue;
        }
        keys.push_back(UpperCased(found.name));
        listed.push_back(std::move(found));
    }
    if (directory.Error() != 0)
        throw FileException(folder, std::generic_category().message(directory.Error()));
    // A gauge folder holds up to 100,000 names sharing long prefixes: each
    // position carries its key's first 16 bytes as two numbers in byte order,
    // so that most comparisons never reach the strings.
    struct Position {
        std::uint64_t head;
        std::uint64_t tail;
        std::size_t index;
    };
    const auto bytesAt = [&keys](std::size_t index, std::size_t from) {
        std::uint64_t value = 0;
        for (std::size_t i = from; i < from + 8; ++i)
            value = value << 8 | (i < keys[index].size() ? static_cast<unsigned char>(keys[index][i]) : 0u);
        return value;
    };
    std::vector<Position> order;
    order.reserve(listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i)
        order.push_back({bytesAt(i, 0), bytesAt(i, 8), i});
    std::sort(order.begin(), order.end(), [&](const Position& a, const Position& b) {
        if (a.head != b.head || a.tail != b.tail)
            return a.head != b.head ? a.head < b.head : a.tail < b.tail;
        const int compared = keys[a.index].compare(keys[b.index]);
        return compared != 0 ? compared < 0 : listed[a.index].name < listed[b.index].name;
    });
    entries.reserve(entries.size() + listed.size());
    for (const Position& position : order)
        entries.push_back(std::move(listed[position.index]));
    return entries;
}

}  // namespace dalvorn
