#include "posix_readable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace dalvorn {

namespace {

const char kNotRegularFile[] = "Not a regular file";

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

int OpenDescriptor(const std::string& path)
{
    // O_NONBLOCK keeps a named pipe in the way from blocking the open; it is
    // cleared again once the file is known to be a regular one.
    int descriptor;
    do
        descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

}  // namespace

PosixReadableFile::PosixReadableFile(const std::string& diskPath, std::string reportedPath)
    : path_(std::move(reportedPath)), descriptor_(OpenDescriptor(diskPath))
{
    if (descriptor_ < 0)
        Fail(errno);
    try {
        RequireRegularFile();
    } catch (...) {
        close(descriptor_);
        throw;
    }
    fcntl(descriptor_, F_SETFL, fcntl(descriptor_, F_GETFL) & ~O_NONBLOCK);
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
    if (!S_ISREG(status.st_mode))
        throw FileException(path_, kNotRegularFile);
}

}  // namespace dalvorn
