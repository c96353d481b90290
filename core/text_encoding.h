#pragma once
// Conversions of panel text into UTF-8, the text in which Linux (and Wine
// on it) spells file names.

#include <cstddef>
#include <string>
#include <string_view>

#include "file_system.h"

namespace dalvorn {

void AppendUtf8(char32_t codePoint, std::string& out);

// Text in the Windows-1252 code page, in UTF-8. The five bytes the code page
// leaves unassigned stand for the control characters of the same number, as
// Windows converts them.
std::string Windows1252ToUtf8(std::string_view text);

// Text whose bytes are UTF-8 where they form it and Windows-1252 elsewhere
// (a label joining a name copied from an old archive to names in UTF-8), in
// UTF-8.
std::string Utf8ReadingStrayBytesAsWindows1252(std::string_view text);

// Panel text in UTF-8, spelt as the Windows build spells names: text in the
// Windows code page read as Windows-1252, Unicode text through its best fit
// in Windows-1252: every character the code page lacks becomes the one
// WideCharToMultiByte puts in its place ("ź" becomes "z", "Ａ" "A";
// windows_1252_best_fit.inc), or "?" where it puts none (one for each UTF-16
// unit, and for each byte that is no UTF-8).
std::string Utf8FromPanelText(PanelTextEncoding encoding, const std::string& text);

// Decodes UTF-16 of either byte order delivered in pieces of any size, a
// code unit or a surrogate pair split between two pieces included.
// Unpaired surrogates and a final odd byte become U+FFFD.
class Utf16Decoder {
public:
    void SetBigEndian(bool bigEndian) { bigEndian_ = bigEndian; }
    void Decode(const char* bytes, std::size_t count, std::string& utf8);
    // Flushes what a last piece left unfinished.
    void Finish(std::string& utf8);

private:
    void TakeUnit(char16_t unit, std::string& utf8);

    bool bigEndian_ = false;
    int pendingByte_ = -1;
    char16_t pendingHighSurrogate_ = 0;
};

}  // namespace dalvorn
