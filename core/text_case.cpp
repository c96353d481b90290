#include "text_case.h"

#include <cstdint>
#include <cstring>

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

const std::uint64_t kEveryByte = 0x0101010101010101u;
const std::uint64_t kEveryHighBit = 0x80 * kEveryByte;

std::uint64_t LoadWord(const char* bytes)
{
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

void StoreWord(char* bytes, std::uint64_t word)
{
    std::memcpy(bytes, &word, sizeof word);
}

// Lowers the capitals among eight ASCII bytes at once: adding 0x80 - 'A' sets
// the high bit of the bytes from 'A' up, adding 0x80 - 'Z' - 1 that of the
// bytes above 'Z', and no byte below 0x80 carries into the next.
std::uint64_t LowerAsciiWord(std::uint64_t word)
{
    const std::uint64_t fromA = word + (0x80 - 'A') * kEveryByte;
    const std::uint64_t aboveZ = word + (0x80 - 'Z' - 1) * kEveryByte;
    return word | ((fromA & ~aboveZ & kEveryHighBit) >> 2);
}

}  // namespace

bool IsAscii(std::string_view text)
{
    const char* const bytes = text.data();
    const std::size_t size = text.size();
    const std::size_t whole = size - size % sizeof(std::uint64_t);
    std::uint64_t bits = 0;
    for (std::size_t at = 0; at < whole; at += sizeof(std::uint64_t))
        bits |= LoadWord(bytes + at);
    for (std::size_t at = whole; at < size; ++at)
        bits |= static_cast<unsigned char>(bytes[at]);
    return (bits & kEveryHighBit) == 0;
}

bool LowerCaseIfAscii(std::string& text)
{
    if (!IsAscii(text))
        return false;
    char* const bytes = text.data();
    const std::size_t size = text.size();
    const std::size_t whole = size - size % sizeof(std::uint64_t);
    for (std::size_t at = 0; at < whole; at += sizeof(std::uint64_t))
        StoreWord(bytes + at, LowerAsciiWord(LoadWord(bytes + at)));
    for (std::size_t at = whole; at < size; ++at)
        bytes[at] = AsciiLower(bytes[at]);
    return true;
}

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
    if (LowerCaseIfAscii(name))
        return;
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
