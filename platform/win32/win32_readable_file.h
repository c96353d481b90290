#pragma once

#include <string>

#include "core/file_system.h"
#include "win32_handle.h"

namespace dalvorn {

class Win32ReadableFile : public ReadableFile {
public:
    // Opens the file for reading only, without sharing; throws FileException,
    // also for a device or a pipe.
    explicit Win32ReadableFile(const std::string& path);
    // Reads no further than the size the file had when it was opened, so a
    // file that never ends (one the system makes up as it is read) cannot
    // hold the reader.
    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    std::string path_;
    FileHandle file_;
    unsigned long long left_ = 0;
};

}  // namespace dalvorn
