#pragma once
// The users of one gauge: aircraft names joined by ", ", and a filter that
// answers most "is this name in the text?" questions without reading the
// text.

#include <cstdint>
#include <string>
#include <vector>

#include "searched_name.h"

namespace dalvorn {

class UserList {
public:
    const std::string& Text() const { return text_; }

    // True when the joined text contains the name anywhere, across a ", "
    // included. Names the filter proves absent take time in proportion to
    // the name alone; the others are searched for in the text.
    bool Contains(const SearchedName& name) const;

    // Appends ", " (unless the list is empty) and the name.
    void Append(const SearchedName& name);

    void Clear();

private:
    bool MayContain(const SearchedName& name) const;
    void Reserve(std::size_t size);
    void NoteWindowsStartingIn(std::size_t begin, std::size_t end);
    void RebuildWindowFilter();

    std::string text_;
    // A bit per hash of every four-byte window of the text, at least one bit
    // for every two bytes of text, so that most absent names have a window
    // whose bit is clear (a name the filter lets through is searched for).
    // Names shorter than a window are tested against the byte values the
    // text holds.
    std::vector<std::uint64_t> windowBits_;
    unsigned windowShift_ = 0;
    ByteSet bytes_{};
};

}  // namespace dalvorn
