#include "win32_readable_file.h"

#include "win32_error_text.h"

namespace dalvorn {

namespace {
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
}

std::size_t Win32ReadableFile::Read(char* buffer, std::size_t capacity)
{
    const DWORD request = capacity > 0x40000000 ? 0x40000000 : static_cast<DWORD>(capacity);
    DWORD got = 0;
    if (!ReadFile(file_.Get(), buffer, request, &got, nullptr))
        throw FileException(path_, Win32ErrorText(GetLastError()));
    return got;
}

}  // namespace dalvorn
