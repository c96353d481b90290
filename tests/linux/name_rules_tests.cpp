#include <gtest/gtest.h>

#include "core/text_case.h"
#include "platform/native_file_system.h"

namespace dalvorn {
namespace {

TEST(NativeFileSystemTest, WritesPosixPaths)
{
    const auto fileSystem = CreateNativeFileSystem();

    EXPECT_EQ(fileSystem->Separator(), '/');
    EXPECT_TRUE(fileSystem->Names().EndsWithSeparator("/opt/fs2002/"));
    EXPECT_FALSE(fileSystem->Names().EndsWithSeparator("/opt/fs2002\\"));
    EXPECT_FALSE(fileSystem->Names().EndsWithSeparator(""));
}

// Names as the native file system folds them, for its lookups and its keys
// alike: the letters Windows' file lookup takes for Windows-1252 ones, in
// UTF-8, and a name that is no UTF-8 read as Windows-1252.
TEST(NativeFileSystemTest, FoldsLetterCaseAsWindowsLooksNamesUp)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Cessna.GAU", "cessna.gau"},
        {"\xC3\x89" "cole \xC3\x84RGER.gau", "\xC3\xA9" "cole \xC3\xA4rger.gau"},  // École ÄRGER
        {"\xC5\xA0\xC5\xB8\xC3\x97\xC3\x9F\xC4\x80.gau", "\xC5\xA1\xC3\xBF\xC3\x97\xC3\x9F\xC4\x80.gau"},  // ŠŸ×ßĀ
        {"\xC6\x91.GAU", "\xC6\x92.gau"},                                             // Ƒ
        {"\xC4\xB0\xC4\xB1\xCE\x9C\xE2\x84\xAA.gau", "\xC4\xB0\xC4\xB1\xCE\x9C\xE2\x84\xAA.gau"},  // İıΜK (Kelvin)
        {"Cessna_172\xC4.GAU", "cessna_172\xC3\xA4.gau"},                           // Windows-1252 Ä
        {"\x83\x41\x8A\x9F.GAU", "\xC6\x92" "a\xC5\xA1\xC3\xBF.gau"},              // ƒAŠŸ
        {"\xC3\x89" "cole\xFF.gau", "\xC3\xA3\xE2\x80\xB0" "cole\xC3\xBF.gau"},      // Ã‰coleÿ
    };
    const auto fileSystem = CreateNativeFileSystem();
    for (const auto& [name, folded] : cases) {
        EXPECT_EQ(fileSystem->Names().LowerCase(name), folded) << name;
        EXPECT_TRUE(SameNameIgnoringCase(name, folded)) << name;
    }
    EXPECT_FALSE(SameNameIgnoringCase("\xC4\xB0.gau", "i.gau"));
    EXPECT_FALSE(SameNameIgnoringCase("\xE2\x84\xAA.gau", "k.gau"));
}

}  // namespace
}  // namespace dalvorn
