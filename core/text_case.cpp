#include "text_case.h"

namespace dalvorn {

namespace {

// The length of the well-formed UTF-8 sequence at `at`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - at < length || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

// Folds the two-byte UTF-8 letter at `at` when it is a capital of the
// Windows-1252 code page: the Latin-1 capitals U+00C0 to U+00DE (without
// U+00D7, the multiplication sign), and Š, Œ, Ž, Ÿ.
void FoldWindows1252Capital(std::string& name, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(name[at]);
    const auto tail = static_cast<unsigned char>(name[at + 1]);
    if (lead == 0xC3 && tail >= 0x80 && tail <= 0x9E && tail != 0x97) {
        name[at + 1] = static_cast<char>(tail + 0x20);
    } else if (lead == 0xC5 && (tail == 0xA0 || tail == 0x92 || tail == 0xBD)) {
        name[at + 1] = static_cast<char>(tail + 1);
    } else if (lead == 0xC5 && tail == 0xB8) {
        name[at] = '\xC3';
        name[at + 1] = '\xBF';
    }
}

}  // namespace

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

void FoldNameCaseInPlace(std::string& name)
{
    if (IsValidUtf8(name)) {
        for (std::size_t i = 0; i < name.size(); ++i) {
            name[i] = AsciiLower(name[i]);
            // Valid UTF-8: these leads begin two-byte letters.
            if (name[i] == '\xC3' || name[i] == '\xC5')
                FoldWindows1252Capital(name, i++);
        }
        return;
    }
    bool afterAscii = true;
    for (char& c : name) {
        if (afterAscii)
            c = AsciiLower(c);
        afterAscii = static_cast<unsigned char>(c) < 0x80;
    }
}

}  // namespace dalvorn
