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

const char kLatin1Lead = '\xC3';

// The second byte of a Latin-1 capital letter in UTF-8 (U+00C0 to U+00DE,
// without U+00D7, the multiplication sign).
bool IsLatin1CapitalTail(unsigned char tail)
{
    return tail >= 0x80 && tail <= 0x9E && tail != 0x97;
}

}  // namespace

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
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
            if (name[i] == kLatin1Lead && i + 1 < name.size() && IsLatin1CapitalTail(name[i + 1]))
                name[++i] += 0x20;
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
