#include "posix_readable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "file_descriptor.h"

namespace dalvorn {

namespace {

// File systems whose "regular" files are windows into the kernel: reading
// one may wait for ever (/proc/kmsg) or take what it reads from others.
bool IsKernelFileSystem(int descriptor)
{
    const long kKernelFileSystems[] = {0x9fa0, 0x62656572, 0x64626720, 0x74726163, 0x73636673};
    struct statfs status;
    if (fstatfs(descriptor, &status) != 0)
        return false;
    for (const long type : kKernelFileSystems)
        if (static_cast<long>(status.f_type) == type)
            return true;
    return false;
}

class PosixReadableFile : public ReadableFile {
public:
    PosixReadableFile(FileDescriptor file, std::string path) : file_(std::move(file)), path_(std::move(path)) {}

    std::size_t Read(char* buffer, std::size_t capacity) override
    {
        for (;;) {
            const ssize_t count = read(file_.Get(), buffer, capacity);
            if (count >= 0)
                return static_cast<std::size_t>(count);
            if (errno != EINTR)
                throw FileException(path_, std::generic_category().message(errno));
        }
    }

private:
    FileDescriptor file_;
    std::string path_;
};

}  // namespace

std::unique_ptr<ReadableFile> OpenRegularFile(const std::string& diskPath, const std::string& reportedPath,
                                              bool missingGivesNull)
{
    // O_NONBLOCK keeps a named pipe in the way from blocking the open; on a
    // regular file it changes nothing.
    FileDescriptor file;
    do
        file = FileDescriptor(open(diskPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    while (!file.IsOpen() && errno == EINTR);
    struct stat status;
    int error = file.IsOpen() ? (fstat(file.Get(), &status) == 0 ? 0 : errno) : errno;
    if (missingGivesNull && (error == ENOENT || error == ENOTDIR))
        return nullptr;
    if (!error && S_ISDIR(status.st_mode))
        error = EISDIR;
    if (error)
        throw FileException(reportedPath, std::generic_category().message(error));
    if (!S_ISREG(status.st_mode) || IsKernelFileSystem(file.Get()))
        throw FileException(reportedPath, "Not a regular file");
    return std::make_unique<PosixReadableFile>(std::move(file), reportedPath);
}

}  // namespace dalvorn
