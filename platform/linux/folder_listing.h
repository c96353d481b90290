#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace dalvorn {

// The folder's entries, in folder order, or nothing when the folder cannot
// be opened. An entry is a
// directory (a regular file) when it is one or a link that leads to one.
std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder);

}  // namespace dalvorn
