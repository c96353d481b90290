#pragma once
// An open directory stream, closed when the handle goes.

#include <dirent.h>

#include <cerrno>
#include <string>

namespace dalvorn {

class DirectoryHandle {
public:
    explicit DirectoryHandle(const std::string& path) : stream_(opendir(path.empty() ? "." : path.c_str()))
    {
        if (!stream_)
            error_ = errno;
    }
    ~DirectoryHandle()
    {
        if (stream_)
            closedir(stream_);
    }
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;

    bool IsOpen() const { return stream_ != nullptr; }
    // The next entry, or null at the end or on a read error.
    const dirent* Next()
    {
        errno = 0;
        const dirent* entry = readdir(stream_);
        if (!entry)
            error_ = errno;
        return entry;
    }
    // Why the folder could not be opened or read to its end; 0 when it was.
    int Error() const { return error_; }
    int Descriptor() const { return dirfd(stream_); }

private:
    DIR* stream_;
    int error_ = 0;
};

}  // namespace dalvorn
