#pragma once

#include <string>

#include "core/file_system.h"

namespace dalvorn {

// Visits the entries of an ANSI-named folder that match the pattern, listed
// through the wide functions so that each name can be checked to convert
// back from the ANSI code page to the characters on disk. Like
// FindFirstFileA, lists nothing when the search path exceeds MAX_PATH.
void ListWideFolder(const std::string& folder, const std::string& pattern, const FileSystem::EntryVisitor& visit);

}  // namespace dalvorn
