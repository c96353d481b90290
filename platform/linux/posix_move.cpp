#include "posix_file_system.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "case_insensitive_path.h"
#include "core/text_case.h"
#include "file_descriptor.h"

namespace dalvorn {

namespace {

const char kCopySuffix[] = ".moving";
const int kCopyNames = 100;

MoveOutcome OutcomeOf(int error)
{
    if (error == EEXIST || error == ENOTEMPTY)
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    if (error == ENOENT)
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    return MoveOutcome::FailedBecause(std::strerror(error));
}

// Where the file system cannot refuse to replace in a rename, the file is
// linked under the new name, which never replaces, and the old name goes.
bool RenameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    if (link(from.c_str(), to.c_str()) != 0)
        return false;
    if (unlink(from.c_str()) == 0)
        return true;
    const int error = errno;
    unlink(to.c_str());
    errno = error;
    return false;
}

// A new file for the copy, never one that exists already: `<to>.moving`,
// then `.moving1` and on.
FileDescriptor CreateCopy(const std::string& to, std::string& name)
{
    for (int attempt = 0; attempt < kCopyNames; ++attempt) {
        name = to + kCopySuffix + (attempt == 0 ? std::string() : std::to_string(attempt));
        FileDescriptor copy(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (copy.IsOpen() || errno != EEXIST)
            return copy;
    }
    return FileDescriptor();
}

bool CopyContents(int source, int copy)
{
    char buffer[64 * 1024];
    for (;;) {
        ssize_t got = read(source, buffer, sizeof(buffer));
        if (got <= 0)
            return got == 0;
        for (const char* at = buffer; got > 0;) {
            const ssize_t written = write(copy, at, static_cast<std::size_t>(got));
            if (written < 0)
                return false;
            at += written;
            got -= written;
        }
    }
}

// The copy is made whole under its own name, then put in place; only then
// does the source go. Whatever fails removes the copy this move made.
MoveOutcome MoveAcrossVolumes(const std::string& from, const std::string& to)
{
    FileDescriptor source(open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (!source.IsOpen() || fstat(source.Get(), &status) != 0)
        return OutcomeOf(errno);
    if (!S_ISREG(status.st_mode))
        return MoveOutcome::Refused(MoveOutcome::Status::NotRegularFile);
    std::string copyName;
    FileDescriptor copy = CreateCopy(to, copyName);
    if (!copy.IsOpen())
        return OutcomeOf(errno);
    const struct timespec times[2] = {status.st_atim, status.st_mtim};
    if (!CopyContents(source.Get(), copy.Get()) || fchmod(copy.Get(), status.st_mode & 07777) != 0 ||
        futimens(copy.Get(), times) != 0 || fsync(copy.Get()) != 0 || !copy.Close() ||
        !RenameWithoutReplacing(copyName, to)) {
        const int error = errno;
        unlink(copyName.c_str());
        return OutcomeOf(error);
    }
    if (unlink(from.c_str()) != 0) {
        const int error = errno;
        unlink(to.c_str());
        return MoveOutcome::FailedBecause(std::strerror(error));
    }
    return MoveOutcome::Done();
}

// Where the destination folder is spelt on disk in another letter case, the
// rename fails as if it were missing, and is tried again through its spelling.
MoveOutcome RenameOrCopy(const std::string& from, const std::string& to)
{
    if (RenameWithoutReplacing(from, to))
        return MoveOutcome::Done();
    if (errno == EXDEV)
        return MoveAcrossVolumes(from, to);
    if (errno != ENOENT)
        return OutcomeOf(errno);
    const std::optional<PathParts> target = ResolveParentIgnoringCase(to);
    if (!target)
        return MoveOutcome::FailedBecause("the destination folder does not exist");
    const std::string spelt = AppendComponent(target->folder, target->name);
    return spelt == to ? OutcomeOf(ENOENT) : RenameOrCopy(from, spelt);
}

}  // namespace

// The paths are tried as spelt first, as nearly always they are. A name that
// is no UTF-8 keeps its bytes: its key only reads it as Windows-1252.
MoveOutcome PosixFileSystem::MoveRegularFile(const std::string& from, const std::string& to)
{
    std::string source = from;
    struct stat status;
    if (lstat(source.c_str(), &status) != 0 &&
        (errno != ENOENT || lstat((source = ExistingSpelling(from)).c_str(), &status) != 0))
        return OutcomeOf(errno);
    if (!S_ISREG(status.st_mode))
        return MoveOutcome::Refused(MoveOutcome::Status::NotRegularFile);
    const std::size_t separator = to.rfind('/');
    const std::string sourceName = source.substr(source.rfind('/') + 1);
    return RenameOrCopy(source, IsValidUtf8(sourceName) ? to : to.substr(0, separator + 1) + sourceName);
}

}  // namespace dalvorn
