#pragma once

#include <memory>
#include <string>

#include "core/file_system.h"

namespace dalvorn {

// The regular file at `diskPath` open for reading, closed with the object.
// Throws FileException naming `reportedPath` (the path as the caller wrote
// it) when it cannot be opened or is no regular file (a folder, a device, a
// pipe, a window into the kernel); gives nullptr instead when nothing is
// there and `missingGivesNull`, so the caller may look it up another way.
std::unique_ptr<ReadableFile> OpenRegularFile(const std::string& diskPath, const std::string& reportedPath,
                                              bool missingGivesNull = false);

}  // namespace dalvorn
