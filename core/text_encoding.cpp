#include "text_encoding.h"

#include "text_case.h"

namespace dalvorn {

namespace {

const char32_t kReplacementCharacter = 0xFFFD;

// Windows-1252 bytes 0x80 to 0x9F; the others are Latin-1.
const char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void AppendUtf8(char32_t codePoint, std::string& out)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string Windows1252ToUtf8(std::string_view text)
{
    if (IsAscii(text))
        return std::string(text);
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte, utf8);
    }
    return utf8;
}

std::string Utf8FromPanelText(PanelTextEncoding encoding, const std::string& text)
{
    return encoding == PanelTextEncoding::CodePage ? Windows1252ToUtf8(text) : text;
}

void Utf16LeDecoder::Decode(const char* bytes, std::size_t count, std::string& utf8)
{
    std::size_t at = 0;
    if (pendingByte_ >= 0 && count > 0) {
        TakeUnit(static_cast<char16_t>(pendingByte_ | static_cast<unsigned char>(bytes[0]) << 8), utf8);
        pendingByte_ = -1;
        at = 1;
    }
    for (; at + 1 < count; at += 2)
        TakeUnit(static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                       static_cast<unsigned char>(bytes[at + 1]) << 8),
                 utf8);
    if (at < count)
        pendingByte_ = static_cast<unsigned char>(bytes[at]);
}

void Utf16LeDecoder::Finish(std::string& utf8)
{
    if (pendingHighSurrogate_ != 0 || pendingByte_ >= 0)
        AppendUtf8(kReplacementCharacter, utf8);
    pendingHighSurrogate_ = 0;
    pendingByte_ = -1;
}

void Utf16LeDecoder::TakeUnit(char16_t unit, std::string& utf8)
{
    if (pendingHighSurrogate_ != 0) {
        if (IsLowSurrogate(unit)) {
            AppendUtf8(0x10000 + ((pendingHighSurrogate_ - 0xD800) << 10) + (unit - 0xDC00), utf8);
            pendingHighSurrogate_ = 0;
            return;
        }
        AppendUtf8(kReplacementCharacter, utf8);
        pendingHighSurrogate_ = 0;
    }
    if (IsHighSurrogate(unit))
        pendingHighSurrogate_ = unit;
    else
        AppendUtf8(IsLowSurrogate(unit) ? kReplacementCharacter : unit, utf8);
}

}  // namespace dalvorn
