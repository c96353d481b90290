#include "platform/native_file_system.h"

#include "posix_file_system.h"

namespace dalvorn {

std::unique_ptr<FileSystem> CreateNativeFileSystem()
{
    return std::make_unique<PosixFileSystem>();
}

}  // namespace dalvorn
