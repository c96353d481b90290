#pragma once

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

}  // namespace dalvorn
