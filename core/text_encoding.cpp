#include "text_encoding.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

struct BestFit {
    char16_t character;
    unsigned char byte;
};

const BestFit kBestFits[] = {
#include "windows_1252_best_fit.inc"
};

char32_t Windows1252Character(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
}

// The character itself when Windows-1252 has it, else its best fit, else '?'.
char32_t Windows1252Spelling(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return character;
    if (std::find(std::begin(kWindows1252High), std::end(kWindows1252High), character) != std::end(kWindows1252High))
        return character;
    const auto found = std::lower_bound(std::begin(kBestFits), std::end(kBestFits), character,
                                        [](const BestFit& entry, char32_t sought) { return entry.character < sought; });
    return found != std::end(kBestFits) && found->character == character ? Windows1252Character(found->byte) : '?';
}

std::string Windows1252BestFit(std::string_view utf8)
{
    if (IsAscii(utf8))
        return std::string(utf8);
    std::string spelt;
    spelt.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = Utf8SequenceLength(utf8, at);
        const char32_t character = length == 0 ? '?' : DecodeUtf8Sequence(utf8.substr(at, length));
        // Beyond U+FFFF a character takes two UTF-16 units.
        if (character > 0xFFFF)
            spelt += '?';
        AppendUtf8(Windows1252Spelling(character), spelt);
        at += std::max<std::size_t>(length, 1);
    }
    return spelt;
}

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
    for (const char c : text)
        AppendUtf8(Windows1252Character(static_cast<unsigned char>(c)), utf8);
    return utf8;
}

std::string Utf8ReadingStrayBytesAsWindows1252(std::string_view text)
{
    std::string utf8;
    for (std::size_t at = 0, length; at < text.size(); at += std::max<std::size_t>(length, 1)) {
        length = Utf8SequenceLength(text, at);
        if (length == 0)
            AppendUtf8(Windows1252Character(static_cast<unsigned char>(text[at])), utf8);
        else
            utf8.append(text, at, length);
    }
    return utf8;
}

std::string Utf8FromPanelText(PanelTextEncoding encoding, const std::string& text)
{
    return encoding == PanelTextEncoding::CodePage ? Windows1252ToUtf8(text) : Windows1252BestFit(text);
}

void Utf16Decoder::Decode(const char* bytes, std::size_t count, std::string& utf8)
{
    for (std::size_t at = 0; at < count; ++at) {
        const int byte = static_cast<unsigned char>(bytes[at]);
        if (pendingByte_ < 0) {
            pendingByte_ = byte;
            continue;
        }
        TakeUnit(static_cast<char16_t>(bigEndian_ ? pendingByte_ << 8 | byte : byte << 8 | pendingByte_), utf8);
        pendingByte_ = -1;
    }
}

void Utf16Decoder::Finish(std::string& utf8)
{
    // An unpaired high surrogate and a last odd byte are a character each.
    if (pendingHighSurrogate_ != 0)
        AppendUtf8(kReplacementCharacter, utf8);
    if (pendingByte_ >= 0)
        AppendUtf8(kReplacementCharacter, utf8);
    pendingHighSurrogate_ = 0;
    pendingByte_ = -1;
}

void Utf16Decoder::TakeUnit(char16_t unit, std::string& utf8)
{
    const char16_t high = std::exchange(pendingHighSurrogate_, 0);
    if (high != 0 && IsLowSurrogate(unit))
        return AppendUtf8(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00), utf8);
    if (high != 0)
        AppendUtf8(kReplacementCharacter, utf8);
    if (IsHighSurrogate(unit))
        pendingHighSurrogate_ = unit;
    else
        AppendUtf8(IsLowSurrogate(unit) ? kReplacementCharacter : unit, utf8);
}

}  // namespace dalvorn
