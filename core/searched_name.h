#pragma once
// An aircraft name prepared once for being looked for in many user lists:
// its four-byte windows, hashed as the lists' filters hash theirs, and the
// table of a search whose time is linear in the text searched.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace dalvorn {

// The hash of the four bytes at `bytes`. Its high bits are spread well, so a
// filter of 2^n bits takes the top n.
inline std::uint32_t FourByteHash(const char* bytes)
{
    std::uint32_t window;
    std::memcpy(&window, bytes, sizeof(window));
    return window * 0x9E3779B1u;
}

inline constexpr std::size_t kWindowLength = 4;

// One bit for each byte value.
using ByteSet = std::array<std::uint64_t, 4>;

inline void AddByte(ByteSet& set, char byte)
{
    const unsigned char value = static_cast<unsigned char>(byte);
    set[value / 64] |= std::uint64_t{1} << (value % 64);
}

inline bool HasByte(const ByteSet& set, char byte)
{
    const unsigned char value = static_cast<unsigned char>(byte);
    return (set[value / 64] >> (value % 64)) & 1u;
}

class SearchedName {
public:
    SearchedName() = default;
    explicit SearchedName(std::string text);

    const std::string& Text() const { return text_; }

    // FourByteHash of every window of the name, in order; none when the name
    // is shorter than a window.
    const std::vector<std::uint32_t>& WindowHashes() const { return windowHashes_; }

    // The byte values the name holds.
    const ByteSet& Bytes() const { return bytes_; }

    // True when `text` contains the name (the empty name is in every text).
    // Takes at most two byte comparisons per byte of `text`, whatever the
    // name and the text.
    bool FoundIn(std::string_view text) const;

private:
    std::string text_;
    std::vector<std::uint32_t> windowHashes_;
    ByteSet bytes_{};
    // borders_[i]: the length of the longest proper prefix of the name's
    // first i + 1 bytes that is also their suffix.
    std::vector<std::size_t> borders_;
};

}  // namespace dalvorn
