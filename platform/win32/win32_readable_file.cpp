#include "win32_file_system.h"
#include "win32_handle.h"
#include "win32_text.h"

namespace dalvorn {

namespace {

// A file opened for reading only, without sharing. It is read no further
// than the size it had when it was opened, so a file that never ends (one
// the system makes up as it is read) cannot hold the reader.
class Win32ReadableFile : public ReadableFile {
public:
    explicit Win32ReadableFile(const std::string& path)
        : path_(path), file_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr))
    {
        if (!file_.IsValid())
            throw FileException(path_, Win32ErrorText(GetLastError()));
        if (GetFileType(file_.Get()) != FILE_TYPE_DISK)
            throw FileException(path_, "Not a regular file");
        LARGE_INTEGER size;
        if (!GetFileSizeEx(file_.Get(), &size))
            throw FileException(path_, Win32ErrorText(GetLastError()));
        left_ = static_cast<unsigned long long>(size.QuadPart);
    }

    std::size_t Read(char* buffer, std::size_t capacity) override
    {
        const unsigned long long wanted = capacity < left_ ? capacity : left_;
        const DWORD request = wanted > 0x40000000 ? 0x40000000 : static_cast<DWORD>(wanted);
        if (request == 0)
            return 0;
        DWORD got = 0;
        if (!ReadFile(file_.Get(), buffer, request, &got, nullptr))
            throw FileException(path_, Win32ErrorText(GetLastError()));
        left_ -= got;
        return got;
    }

private:
    std::string path_;
    FileHandle file_;
    unsigned long long left_ = 0;
};

}  // namespace

std::unique_ptr<ReadableFile> Win32FileSystem::OpenForReading(const std::string& path) const
{
    return std::make_unique<Win32ReadableFile>(path);
}

}  // namespace dalvorn
