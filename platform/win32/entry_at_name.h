#pragma once
// The entry a move's source names, opened as itself (never what a Unix
// link or a reparse point leads to), and what it is: only a regular file
// reached by its own name may be renamed, copied or removed.

#include <windows.h>

#include <optional>
#include <string>

#include "win32_handle.h"

namespace dalvorn {

class EntryAtName {
public:
    // Opens for reading and deleting, shared with every other opener.
    explicit EntryAtName(const std::wstring& path);

    bool IsOpen() const { return handle_.IsValid(); }
    DWORD OpenError() const { return openError_; }
    HANDLE Handle() const { return handle_.Get(); }
    std::optional<BY_HANDLE_FILE_INFORMATION> Information() const;

    // Empty for a regular file reached by its own name; otherwise why it
    // must not move.
    std::string WhyNotRegularFile() const;

private:
    std::wstring path_;
    FileHandle handle_;
    DWORD openError_;
};

// Both describe one file.
bool SameFile(const BY_HANDLE_FILE_INFORMATION& left, const BY_HANDLE_FILE_INFORMATION& right);

}  // namespace dalvorn
