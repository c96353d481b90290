#pragma once

#include <string>

#include "core/file_system.h"

namespace dalvorn {

// Visits the entries of an ANSI-named folder, listed
// through the wide functions so that each name can be checked to convert
// back from the ANSI code page to the characters on disk. A folder that is
// there but cannot be listed raises FileException, as Enumerate says, and so
// does a search path beyond MAX_PATH, where FindFirstFileA would fail.
void ListWideFolder(const std::string& folder, const FileSystem::EntryVisitor& visit);

}  // namespace dalvorn
