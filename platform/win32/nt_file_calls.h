#pragma once
// What kernel32 offers only from Vista on, or not at all, through ntdll's own
// calls (present from Windows XP on, and under Wine): the name a handle was
// reached by, and renaming or deleting exactly the file a handle holds.

#include <windows.h>

#include <optional>
#include <string>

namespace dalvorn {

// The path of the open file in the system's own notation (a Unix link
// resolved under Wine), or empty when it cannot be told. Comparable only
// with another handle's.
std::wstring ObjectNameOf(HANDLE file);

// The file's attributes (FILE_ATTRIBUTE_...), or nothing when they cannot be
// had. Cheaper under Wine than the full information, which asks for the
// volume's serial number.
std::optional<DWORD> AttributesOfOpenFile(HANDLE file);

// The number of names the file has, or 0 when it cannot be told. Cheaper on
// some systems than the full information with its volume serial number.
ULONG LinkCountOfOpenFile(HANDLE file);

// Renames the file the handle holds (opened with DELETE access) to
// `target`, a path as CreateFileW takes it, never replacing a file there.
// Returns 0 or the Win32 error code.
DWORD RenameOpenFile(HANDLE file, const std::wstring& target);

// Marks the file the handle holds (opened with DELETE access) to go when
// its last handle closes. Returns 0 or the Win32 error code.
DWORD DeleteOpenFile(HANDLE file);

}  // namespace dalvorn
