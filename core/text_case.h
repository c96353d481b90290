#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace dalvorn {

inline char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Equal when only the letter case of ASCII letters differs, as the file
// system compares names.
inline bool EqualsIgnoringAsciiCase(std::string_view left, std::string_view right)
{
    return left.size() == right.size() && std::equal(left.begin(), left.end(), right.begin(), [](char l, char r) {
               return AsciiUpper(l) == AsciiUpper(r);
           });
}

// True when no byte of the text is above 0x7F: such text reads the same in
// UTF-8 and in every code page.
bool IsAscii(std::string_view text);

// Lowers the ASCII letters of a text that is ASCII throughout, as every code
// page and UTF-8 lower it, and returns true; leaves any other text alone and
// returns false.
bool LowerCaseIfAscii(std::string& text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing beyond U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The length of the well-formed UTF-8 sequence at `at`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// The character of a well-formed UTF-8 sequence.
char32_t DecodeUtf8Sequence(std::string_view sequence);

// Reduces a name, in place, to one spelling per case-insensitive equivalence
// class, as the native build compares names, in UTF-8. Every character that
// Windows' file lookup takes for a character of Windows-1252 in the other
// letter case (Ƒ for ƒ, Ÿ for ÿ) is spelt as the Windows build's keys spell
// that class (windows_name_case.inc). A name that is no valid UTF-8 is read
// as Windows-1252, as copies from old archives are written.
void FoldNameCaseInPlace(std::string& name);

// The folded spelling of a name: equal folds mean the same entry.
inline std::string FoldNameCase(std::string_view name)
{
    std::string folded(name);
    FoldNameCaseInPlace(folded);
    return folded;
}

// True when the file system takes the two names for the same entry.
inline bool SameNameIgnoringCase(std::string_view left, std::string_view right)
{
    return FoldNameCase(left) == FoldNameCase(right);
}

}  // namespace dalvorn
