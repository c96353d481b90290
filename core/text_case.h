#pragma once

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
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (AsciiUpper(left[i]) != AsciiUpper(right[i]))
            return false;
    return true;
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

// Reduces a name, in place, to one spelling per case-insensitive equivalence
// class, as the Linux file system compares names. ASCII letters are folded to
// lower case, and in a name that is valid UTF-8 the other letters of the
// Windows-1252 code page too (À to Þ, not ×; Š, Œ, Ž, Ÿ). A name that is no valid UTF-8 is text in an unknown encoding,
// where a byte after a non-ASCII byte may be the second half of a character:
// only ASCII letters that follow an ASCII byte (or start the name) are folded.
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
    // Folding keeps a name's length.
    return left.size() == right.size() && FoldNameCase(left) == FoldNameCase(right);
}

}  // namespace dalvorn
