#pragma once
// Text between the system's wide characters and a code page, and the
// system's words for an error.

#include <windows.h>

#include <string>

namespace dalvorn {

// `text` in code page `codePage` as wide characters.
std::wstring WideFromCodePage(UINT codePage, const std::string& text);

// `wide` in code page `codePage`; `flags` as WideCharToMultiByte takes them.
std::string CodePageFromWide(UINT codePage, const std::wstring& wide, DWORD flags = 0);

// The system's description of a Win32 error code, without the trailing line end.
std::string Win32ErrorText(unsigned long errorCode);

}  // namespace dalvorn
