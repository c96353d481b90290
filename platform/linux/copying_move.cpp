#include "copying_move.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "core/simulator_folder.h"
#include "no_replace_rename.h"

namespace dalvorn {

namespace {

constexpr std::string_view kCopySuffix = ".moving";
constexpr int kPartialNameAttempts = 100;

std::string PartialName(const std::string& name, int attempt)
{
    return name + std::string(kCopySuffix) + (attempt == 0 ? std::string() : std::to_string(attempt));
}

// A new file for the copy, never one that exists already: a name in the
// folder may be anybody's, even a link leading out of it.
FileDescriptor CreatePartialCopy(int folder, const std::string& name, std::string& partial)
{
    for (int attempt = 0; attempt < kPartialNameAttempts; ++attempt) {
        partial = PartialName(name, attempt);
        FileDescriptor copy(openat(folder, partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0));
        if (copy.IsOpen() || errno != EEXIST)
            return copy;
    }
    return FileDescriptor();
}

bool WriteAll(int descriptor, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = write(descriptor, data, static_cast<std::size_t>(size));
        if (written < 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool CopyContents(int source, int copy)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(source, buffer, sizeof(buffer));
        if (got < 0 || !WriteAll(copy, buffer, got))
            return false;
        if (got == 0)
            return true;
    }
}

bool KeepTimes(int copy, const struct stat& status)
{
    const struct timespec times[2] = {status.st_atim, status.st_mtim};
    return futimens(copy, times) == 0;
}

// "<gauge>.moving" or "<gauge>.moving1" to "<gauge>.moving99".
bool HasPartialCopyName(const std::string& name)
{
    const std::size_t suffix = name.rfind(kCopySuffix);
    if (suffix == std::string::npos || !HasGaugeExtension(name.substr(0, suffix)))
        return false;
    for (int attempt = 0; attempt < kPartialNameAttempts; ++attempt)
        if (name.compare(suffix, std::string::npos, PartialName("", attempt)) == 0)
            return true;
    return false;
}

}  // namespace

std::optional<FileDescriptor> CopyUnderName(int source, const struct stat& status, int folder,
                                            const std::string& name)
{
    std::string partial;
    FileDescriptor copy = CreatePartialCopy(folder, name, partial);
    if (!copy.IsOpen())
        return std::nullopt;
    if (CopyContents(source, copy.Get()) && KeepTimes(copy.Get(), status) && fsync(copy.Get()) == 0 &&
        RenameWithoutReplacing(folder, partial, folder, name))
        return copy;
    const int error = errno;
    unlinkat(folder, partial.c_str(), 0);
    errno = error;
    return std::nullopt;
}

bool ReleaseCopy(FileDescriptor& copy, const struct stat& status)
{
    return fchmod(copy.Get(), status.st_mode & 07777) == 0 && copy.Close();
}

bool IsLeftoverPartialCopy(int folder, const std::string& name)
{
    struct stat status;
    return HasPartialCopyName(name) && fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(status.st_mode) && (status.st_mode & 07777) == 0 && status.st_nlink == 1 &&
           status.st_uid == geteuid();
}

}  // namespace dalvorn
