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

}  // namespace

PosixReadableFile::OpenResult PosixReadableFile::OpenDescriptor(const std::string& path)
{
    // O_NONBLOCK keeps a named pipe in the way from blocking the open; it is
    // cleared again once the file is known to be a regular one.
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
    // The open set no other status flag that F_SETFL can change.
    fcntl(descriptor_, F_SETFL, 0);
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
