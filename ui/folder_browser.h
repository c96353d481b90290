#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Shows the shell's folder browser owned by `owner`, rooted at the desktop.
// Gives the chosen folder's path, or nothing when the user cancels or picks
// an item that has no file-system path.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title);
