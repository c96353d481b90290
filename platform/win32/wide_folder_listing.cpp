#include <windows.h>

#include "win32_text.h"
#include "win32_file_system.h"
#include "win32_handle.h"

namespace dalvorn {

namespace {

// The name in the ANSI code page; `exact` false when it does not convert
// back to the same characters: a look-alike stood in for one (a fullwidth
// reverse solidus becomes '\'), or '?' for one the code page lacks.
std::string AnsiFromWide(const std::wstring& wide, bool& exact)
{
    std::string ansi(wide.size(), '\0');
    bool ascii = true;
    for (std::size_t i = 0; i < wide.size() && ascii; ++i) {
        ascii = wide[i] < 0x80;
        ansi[i] = static_cast<char>(wide[i]);
    }
    exact = true;
    if (ascii)
        return ansi;
    // Best-fit mapping is off, though a round trip would catch it, so that
    // a look-alike never reaches the name. UTF-8 accepts no such flag.
    const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    ansi = CodePageFromWide(CP_ACP, wide, flags);
    exact = WideFromCodePage(CP_ACP, ansi) == wide;
    return ansi;
}

DirectoryEntry EntryOf(const WIN32_FIND_DATAW& found)
{
    DirectoryEntry entry;
    entry.name = AnsiFromWide(found.cFileName, entry.nameIsExact);
    entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isPlainFolder = entry.isDirectory && (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
    entry.isRegularFile = (found.dwFileAttributes & kNotRegularFileAttributes) == 0;
    return entry;
}

// The errors that say there is no such folder, or nothing in it matches.
bool MeansNothingThere(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_DIRECTORY ||
           error == ERROR_INVALID_NAME || error == ERROR_NO_MORE_FILES;
}

}  // namespace

// Listed through the wide functions, so that each name can be checked to
// convert back from the ANSI code page to the characters on disk. A search
// path beyond MAX_PATH raises FileException, as FindFirstFileA would fail.
void Win32FileSystem::Enumerate(const std::string& folder, const EntryVisitor& visit) const
{
    const std::wstring wideFolder = WideFromCodePage(CP_ACP, folder);
    const std::wstring search = wideFolder + L"\\*.*";
    // Too long a path must not pass for an empty folder: the panels in it
    // would go unseen. The limit is the one the ANSI functions keep.
    if (search.size() > MAX_PATH)
        throw FileException(folder, Win32ErrorText(ERROR_FILENAME_EXCED_RANGE));
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(search.c_str(), &found));
    if (!find.IsValid()) {
        const DWORD error = GetLastError();
        if (MeansNothingThere(error))
            return;
        throw FileException(folder, Win32ErrorText(error));
    }
    do {
        visit(EntryOf(found));
    } while (FindNextFileW(find.Get(), &found));
    const DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES)
        throw FileException(folder, Win32ErrorText(error));
}

}  // namespace dalvorn
