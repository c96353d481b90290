#pragma once
// An open directory stream, closed when the handle goes.

#include <dirent.h>

#include <string>

namespace dalvorn {

class DirectoryHandle {
public:
    explicit DirectoryHandle(const std::string& path) : stream_(opendir(path.empty() ? "." : path.c_str())) {}
    ~DirectoryHandle()
    {
        if (stream_)
            closedir(stream_);
    }
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;

    bool IsOpen() const { return stream_ != nullptr; }
    // The next entry, or null at the end (or on a read error).
    const dirent* Next() { return readdir(stream_); }
    int Descriptor() const { return dirfd(stream_); }

private:
    DIR* stream_;
};

}  // namespace dalvorn
