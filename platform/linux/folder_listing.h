#pragma once
// Folders listed in the order NTFS keeps its index: "." and ".." first, then
// ordinal order of the upper-cased names, names equal in that order by their
// raw bytes so the order stays total.

#include <optional>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace dalvorn {

inline bool IsDotEntry(const std::string& name)
{
    return name == "." || name == "..";
}

bool PrecedesInFolderOrder(const std::string& left, const std::string& right);

// The folder's entries, in folder order, or nothing when there is no folder
// at the path. An entry is a directory when it is one or a link that leads
// to one, a regular file only when it is one itself. A folder that exists but cannot be opened or read
// to its end raises FileException: the panels in it must not go unseen.
std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder);

}  // namespace dalvorn
