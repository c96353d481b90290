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

// A name reduced to one spelling per case-insensitive equivalence class, as
// the file system compares names: equal folds mean the same entry.
inline std::string FoldNameCase(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        c = AsciiLower(c);
    return folded;
}

// True when the file system takes the two names for the same entry.
inline bool SameNameIgnoringCase(std::string_view left, std::string_view right)
{
    return EqualsIgnoringAsciiCase(left, right);
}

}  // namespace dalvorn
