#pragma once

#include <memory>
#include <string>

#include "core/file_system.h"

namespace dalvorn {

// A regular file open for reading; its descriptor is closed with the object.
class PosixReadableFile : public ReadableFile {
public:
    // Opens the file at `diskPath`; errors name `reportedPath`, the path as
    // the caller wrote it. Throws FileException when the file cannot be
    // opened or is not a regular file (a folder, a device, a pipe).
    PosixReadableFile(const std::string& diskPath, std::string reportedPath);
    ~PosixReadableFile() override;
    PosixReadableFile(const PosixReadableFile&) = delete;
    PosixReadableFile& operator=(const PosixReadableFile&) = delete;

    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    [[noreturn]] void Fail(int error) const;
    void RequireRegularFile() const;

    std::string path_;
    int descriptor_ = -1;
};

}  // namespace dalvorn
