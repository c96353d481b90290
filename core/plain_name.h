#pragma once
// Which names found on disk the program may use. A plain name, appended to
// a folder path after a separator, names one entry of that folder and
// nothing else, and the simulator, an ANSI Windows program, can open it.

#include <string_view>

namespace dalvorn {

struct DirectoryEntry;
class FileSystem;

// Not empty, not "." or "..", no separator, drive colon or other character
// Windows forbids in a name, no trailing dot or space (Windows would drop
// it and name another entry), and no device name (CON, AUX, COM1...).
bool IsPlainName(const FileSystem& fileSystem, std::string_view name);

// A listed entry whose name is plain and is the entry's own, not a
// stand-in the code page made up.
bool HasPlainName(const FileSystem& fileSystem, const DirectoryEntry& entry);

// A listed entry whose name, appended to its folder's path, leads to that
// entry and nowhere else: the entry's own name, not empty, "." or "..", and
// holding neither separator. Folders that are only read need no more: the
// platform opens "Con.Air", "Cessna " and "aux" beneath "Aircraft".
bool StaysInItsFolder(const FileSystem& fileSystem, const DirectoryEntry& entry);

}  // namespace dalvorn
