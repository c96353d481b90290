#include <gtest/gtest.h>

#include <string>

#include "core/text_case.h"

namespace dalvorn {
namespace {

// Every ASCII byte at every place in an eight-byte word, and texts of every
// length around a word's, against the byte-by-byte rule.
TEST(LowerCaseIfAscii, LowersEveryAsciiByteAsTheByteRuleDoes)
{
    for (std::size_t offset = 0; offset < 9; ++offset) {
        std::string text(offset, 'Q');
        for (int byte = 0; byte < 0x80; ++byte)
            text += static_cast<char>(byte);
        std::string expected = text;
        for (char& c : expected)
            c = AsciiLower(c);

        EXPECT_TRUE(LowerCaseIfAscii(text)) << offset;
        EXPECT_EQ(text, expected) << offset;
    }
}

TEST(LowerCaseIfAscii, LeavesTextWithAnyOtherByteAlone)
{
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t place = 0; place < length; ++place) {
            for (const char other : {'\x80', '\xC3', '\xFF'}) {
                std::string text(length, 'G');
                text[place] = other;
                const std::string before = text;

                EXPECT_FALSE(LowerCaseIfAscii(text)) << length << " " << place;
                EXPECT_EQ(text, before) << length << " " << place;
            }
        }
    }
}

}  // namespace
}  // namespace dalvorn
