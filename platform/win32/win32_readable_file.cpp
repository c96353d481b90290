#include "win32_readable_file.h"

#include "win32_error_text.h"

namespace dalvorn {

namespace {

const char kNotRegularFile[] = "Not a regular file";

HANDLE OpenExclusively(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

}  // namespace

Win32ReadableFile::Win32ReadableFile(const std::string& path) : path_(path), file_(OpenExclusively(path))
{
    if (!file_.IsValid())
        throw FileException(path_, Win32ErrorText(GetLastError()));
    if (GetFileType(file_.Get()) != FILE_TYPE_DISK)
        throw FileException(path_, kNotRegularFile);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file_.Get(), &size))
        throw FileException(path_, Win32ErrorText(GetLastError()));
    left_ = static_cast<unsigned long long>(size.QuadPart);
}

std::size_t Win32ReadableFile::Read(char* buffer, std::size_t capacity)
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

}  // namespace dalvorn
