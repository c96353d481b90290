#include "copying_move.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "no_replace_rename.h"

namespace dalvorn {

namespace {

const char kCopySuffix[] = ".moving";
const int kPartialNameAttempts = 100;

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(Descriptor&& other) noexcept : descriptor_(other.descriptor_) { other.descriptor_ = -1; }
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return descriptor_; }
    // Closes now, as a write error may show only here.
    bool Close()
    {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return close(descriptor) == 0;
    }

private:
    int descriptor_;
};

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

// A new file beside `to` for the copy, never one that exists already: a
// name in the destination folder may be anybody's, even a link leading out
// of it. A copy left by an interrupted move stays where it is.
Descriptor CreatePartialCopy(const std::string& to, mode_t mode, std::string& partial)
{
    for (int attempt = 0; attempt < kPartialNameAttempts; ++attempt) {
        partial = to + kCopySuffix + (attempt == 0 ? std::string() : std::to_string(attempt));
        Descriptor copy(open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (copy.Get() >= 0 || errno != EEXIST)
            return copy;
    }
    partial.clear();
    return Descriptor(-1);
}

// Copies the file's contents into a partial copy it creates; `partial`
// names it when it was created, even if the copy then failed.
bool CopyContents(const std::string& from, const std::string& to, std::string& partial)
{
    partial.clear();
    Descriptor source(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status;
    if (source.Get() < 0 || fstat(source.Get(), &status) != 0)
        return false;
    if (!S_ISREG(status.st_mode)) {
        errno = EXDEV;
        return false;
    }
    Descriptor copy = CreatePartialCopy(to, status.st_mode & 07777, partial);
    if (copy.Get() < 0) {
        partial.clear();
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(source.Get(), buffer, sizeof(buffer));
        if (got < 0 || !WriteAll(copy.Get(), buffer, got))
            return false;
        if (got == 0)
            break;
    }
    return fsync(copy.Get()) == 0 && copy.Close();
}

// Runs the cleanup without letting it change errno.
void Undo(const std::string& path)
{
    const int error = errno;
    if (!path.empty())
        unlink(path.c_str());
    errno = error;
}

}  // namespace

bool MoveByCopying(const std::string& from, const std::string& to)
{
    std::string partial;
    if (!CopyContents(from, to, partial)) {
        Undo(partial);
        return false;
    }
    if (!RenameWithoutReplacing(partial, to)) {
        Undo(partial);
        return false;
    }
    if (unlink(from.c_str()) != 0) {
        Undo(to);
        return false;
    }
    return true;
}

}  // namespace dalvorn
