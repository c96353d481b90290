#include <gtest/gtest.h>

#include "core/text_case.h"
#include "platform/native_file_system.h"

namespace dalvorn {
namespace {

TEST(NativeFileSystemTest, WritesPosixPaths)
{
    const auto fileSystem = CreateNativeFileSystem();

    EXPECT_EQ(fileSystem->Separator(), '/');
    EXPECT_TRUE(fileSystem->EndsWithSeparator("/opt/fs2002/"));
    EXPECT_FALSE(fileSystem->EndsWithSeparator("/opt/fs2002\\"));
    EXPECT_FALSE(fileSystem->EndsWithSeparator(""));
}

// Names as the native file system folds them, for its lookups and its keys
// alike: Latin-1 letters only in valid UTF-8, and never an ASCII byte that
// may be the second half of a character in another encoding.
TEST(NativeFileSystemTest, LowerCasesLettersOnlyWhereTheTextIsKnown)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Cessna.GAU", "cessna.gau"},
        {"\xC3\x89" "cole \xC3\x84RGER.gau", "\xC3\xA9" "cole \xC3\xA4rger.gau"},  // École ÄRGER
        {"\xC5\xA0\xC5\xB8\xC3\x97\xC3\x9F\xC4\x80.gau", "\xC5\xA1\xC3\xBF\xC3\x97\xC3\x9F\xC4\x80.gau"},  // ŠŸ×ßĀ
        {"Cessna_172\xC4.GAU", "cessna_172\xC4.gau"},                               // no UTF-8
        {"\x83\x41\x83\x69.GAU", "\x83\x41\x83\x69.gau"},                         // Shift-JIS
        {"\xC3\x89" "cole\xFF.gau", "\xC3\x89" "cole\xFF.gau"},
    };
    const auto fileSystem = CreateNativeFileSystem();
    for (const auto& [name, folded] : cases) {
        EXPECT_EQ(fileSystem->LowerCase(name), folded) << name;
        EXPECT_TRUE(SameNameIgnoringCase(name, folded)) << name;
    }
    EXPECT_FALSE(SameNameIgnoringCase("\x83\x41.gau", "\x83\x61.gau"));
}

}  // namespace
}  // namespace dalvorn
