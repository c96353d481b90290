#pragma once
// The order in which a folder's entries are visited: ordinal order of the
// upper-cased names, as NTFS keeps its index, with "." and ".." first.

#include <string>

#include "core/text_case.h"

namespace dalvorn {

inline bool IsDotEntry(const std::string& name)
{
    return name == "." || name == "..";
}

// Compares byte by byte after upper-casing ASCII letters; names equal in that
// comparison fall back to their raw bytes so the order stays total.
inline int CompareNamesIgnoringCase(const std::string& left, const std::string& right)
{
    const std::size_t common = left.size() < right.size() ? left.size() : right.size();
    for (std::size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned char>(AsciiUpper(left[i]));
        const auto b = static_cast<unsigned char>(AsciiUpper(right[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}

inline bool PrecedesInFolderOrder(const std::string& left, const std::string& right)
{
    const bool leftIsDot = IsDotEntry(left);
    if (leftIsDot != IsDotEntry(right))
        return leftIsDot;
    return CompareNamesIgnoringCase(left, right) < 0;
}

}  // namespace dalvorn
