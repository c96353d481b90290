#include "text_case.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "text_encoding.h"

namespace dalvorn {

namespace {

struct NameCase {
    char16_t character;
    char16_t spelling;
};

const NameCase kNameCases[] = {
#include "windows_name_case.inc"
};

char32_t SpellingOfCaseClass(char32_t character)
{
    const auto found = std::lower_bound(std::begin(kNameCases), std::end(kNameCases), character,
                                        [](const NameCase& entry, char32_t sought) { return entry.character < sought; });
    return found != std::end(kNameCases) && found->character == character ? found->spelling : character;
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

char32_t DecodeUtf8Sequence(std::string_view sequence)
{
    static const unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t character = static_cast<unsigned char>(sequence[0]) & kLeadBits[sequence.size()];
    for (std::size_t i = 1; i < sequence.size(); ++i)
        character = character << 6 | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return character;
}

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
    for (std::size_t at = 0, length; at < text.size(); at += length)
        if ((length = Utf8SequenceLength(text, at)) == 0)
            return false;
    return true;
}

void FoldNameCaseInPlace(std::string& name)
{
    if (LowerCaseIfAscii(name))
        return;
    const std::string utf8 = IsValidUtf8(name) ? name : Windows1252ToUtf8(name);
    const std::string_view text(utf8);
    name.clear();
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        AppendUtf8(SpellingOfCaseClass(DecodeUtf8Sequence(text.substr(at, length))), name);
        at += length;
    }
}

}  // namespace dalvorn
