#include "same_contents.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <vector>

#include "file_descriptor.h"

namespace dalvorn {

namespace {

FileDescriptor OpenRegularFile(int folder, const std::string& name, struct stat& status)
{
    FileDescriptor file(openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.IsOpen() || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return FileDescriptor();
    return file;
}

// Fills the buffer unless the file ends first; the count read, or -1.
ssize_t ReadFully(int file, char* buffer, std::size_t size)
{
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = read(file, buffer + filled, size - filled);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(filled);
}

}  // namespace

bool HoldSameContents(int leftFolder, const std::string& left, int rightFolder, const std::string& right)
{
    struct stat leftStatus;
    struct stat rightStatus;
    const FileDescriptor leftFile = OpenRegularFile(leftFolder, left, leftStatus);
    const FileDescriptor rightFile = OpenRegularFile(rightFolder, right, rightStatus);
    if (!leftFile.IsOpen() || !rightFile.IsOpen() || leftStatus.st_size != rightStatus.st_size)
        return false;
    constexpr std::size_t kChunk = 64 * 1024;
    std::vector<char> leftBuffer(kChunk);
    std::vector<char> rightBuffer(kChunk);
    for (;;) {
        const ssize_t leftCount = ReadFully(leftFile.Get(), leftBuffer.data(), kChunk);
        const ssize_t rightCount = ReadFully(rightFile.Get(), rightBuffer.data(), kChunk);
        if (leftCount < 0 || leftCount != rightCount)
            return false;
        if (leftCount == 0)
            return true;
        if (std::memcmp(leftBuffer.data(), rightBuffer.data(), static_cast<std::size_t>(leftCount)) != 0)
            return false;
    }
}

}  // namespace dalvorn
