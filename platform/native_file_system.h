#pragma once
// The file system services of the platform this program was built for.

#include <memory>

#include "core/file_system.h"

namespace dalvorn {

std::unique_ptr<FileSystem> CreateNativeFileSystem();

}  // namespace dalvorn
