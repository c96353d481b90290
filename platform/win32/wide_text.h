#pragma once
// Conversions between 8-bit text in a code page and the system's wide text.

#include <windows.h>

#include <string>

namespace dalvorn {

// `text` in code page `codePage` as wide characters.
std::wstring WideFromCodePage(UINT codePage, const std::string& text);

// `wide` in code page `codePage`; `flags` as WideCharToMultiByte takes them.
std::string CodePageFromWide(UINT codePage, const std::wstring& wide, DWORD flags = 0);

}  // namespace dalvorn
