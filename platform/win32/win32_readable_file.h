#pragma once

#include <string>

#include "core/file_system.h"
#include "win32_handle.h"

namespace dalvorn {

class Win32ReadableFile : public ReadableFile {
public:
    // Opens the file for reading only, without sharing; throws FileException.
    explicit Win32ReadableFile(const std::string& path);
    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    std::string path_;
    FileHandle file_;
};

}  // namespace dalvorn
