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

    // Opens the file at `path` as spelt; nullptr when nothing is there (so
    // the caller may look the path up another way). Throws FileException
    // naming `path` when something is there but cannot be read.
    static std::unique_ptr<PosixReadableFile> OpenIfPresent(const std::string& path);

    PosixReadableFile(const PosixReadableFile&) = delete;
    PosixReadableFile& operator=(const PosixReadableFile&) = delete;

    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    struct OpenResult {
        int descriptor;
        int error;
    };
    static OpenResult OpenDescriptor(const std::string& path);
    PosixReadableFile(OpenResult opened, std::string reportedPath);

    [[noreturn]] void Fail(int error) const;
    void RequireRegularFile() const;

    std::string path_;
    int descriptor_ = -1;
};

}  // namespace dalvorn
