#include "posix_readable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace dalvorn {

namespace {

const char kNotRegularFile[] = "Not a regular file";

// File systems whose "regular" files are windows into the kernel: reading
// one may wait for ever (/proc/kmsg) or take what it reads from others.
bool IsKernelFileSystem(int descriptor)
{
    const long kProc = 0x9fa0;
    const long kSysfs = 0x62656572;
    const long kDebugfs = 0x64626720;
    const long kTracefs = 0x74726163;
    const long kSecurityfs = 0x73636673;
    struct statfs status;
    if (fstatfs(descriptor, &status) != 0)
        return false;
    const long type = static_cast<long>(status.f_type);
    return type == kProc || type == kSysfs || type == kDebugfs || type == kTracefs || type == kSecurityfs;
}

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

}  // namespace

PosixReadableFile::OpenResult PosixReadableFile::OpenDescriptor(const std::string& path)
{
    // O_NONBLOCK keeps a named pipe in the way from blocking the open; on a
    // regular file it changes nothing, and a file that still would make a
    // read wait fails with EAGAIN instead.
    int descriptor;
    do
        descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (descriptor < 0 && errno == EINTR);
    return {descriptor, descriptor < 0 ? errno : 0};
}

std::unique_ptr<PosixReadableFile> PosixReadableFile::OpenIfPresent(const std::string& path)
{
    const OpenResult opened = OpenDescriptor(path);
    if (opened.descriptor < 0 && (opened.error == ENOENT || opened.error == ENOTDIR))
        return nullptr;
    return std::unique_ptr<PosixReadableFile>(new PosixReadableFile(opened, path));
}

PosixReadableFile::PosixReadableFile(const std::string& diskPath, std::string reportedPath)
    : PosixReadableFile(OpenDescriptor(diskPath), std::move(reportedPath))
{
}

PosixReadableFile::PosixReadableFile(OpenResult opened, std::string reportedPath)
    : path_(std::move(reportedPath)), descriptor_(opened.descriptor)
{
    if (descriptor_ < 0)
        Fail(opened.error);
    try {
        RequireRegularFile();
    } catch (...) {
        close(descriptor_);
        throw;
    }
}

PosixReadableFile::~PosixReadableFile()
{
    close(descriptor_);
}

std::size_t PosixReadableFile::Read(char* buffer, std::size_t capacity)
{
    for (;;) {
        const ssize_t count = read(descriptor_, buffer, capacity);
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            Fail(errno);
    }
}

void PosixReadableFile::Fail(int error) const
{
    throw FileException(path_, ErrorText(error));
}

void PosixReadableFile::RequireRegularFile() const
{
    struct stat status;
    if (fstat(descriptor_, &status) != 0)
        Fail(errno);
    if (S_ISDIR(status.st_mode))
        Fail(EISDIR);
    if (!S_ISREG(status.st_mode) || IsKernelFileSystem(descriptor_))
        throw FileException(path_, kNotRegularFile);
}

}  // namespace dalvorn
