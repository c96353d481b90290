#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace dalvorn {

// The folder's entries, in folder order, or nothing when there is no folder
// at the path. An entry is a directory when it is one or a link that leads
// to one, a regular file only when it is one itself. A folder that exists but cannot be opened or read
// to its end raises FileException: the panels in it must not go unseen.
std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder);

}  // namespace dalvorn
