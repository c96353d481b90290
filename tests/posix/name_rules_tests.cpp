#include <gtest/gtest.h>

#include "platform/native_file_system.h"
#include "platform/posix/wildcard_pattern.h"

namespace dalvorn {
namespace {

TEST(WildcardPatternTest, MatchesLikeWindowsLongNames)
{
    EXPECT_TRUE(MatchesWildcard("cessna.gau", "*.gau"));
    EXPECT_TRUE(MatchesWildcard("CESSNA.GAU", "*.gau"));
    EXPECT_TRUE(MatchesWildcard("a.b.gau", "*.gau"));
    EXPECT_FALSE(MatchesWildcard("cessna.gauge", "*.gau"));
    EXPECT_FALSE(MatchesWildcard("cessnagau", "*.gau"));
    EXPECT_TRUE(MatchesWildcard("c172", "*.*"));
    EXPECT_TRUE(MatchesWildcard("..", "*.*"));
    EXPECT_TRUE(MatchesWildcard("panel.1", "panel.?"));
    EXPECT_FALSE(MatchesWildcard("panel.10", "panel.?"));
    EXPECT_TRUE(MatchesWildcard("aXbXc", "a*b*c"));
    EXPECT_FALSE(MatchesWildcard("aXbXd", "a*b*c"));
}

TEST(NativeFileSystemTest, WritesPosixPathsAndLowerCasesOnlyAsciiLetters)
{
    const auto fileSystem = CreateNativeFileSystem();

    EXPECT_EQ(fileSystem->Separator(), '/');
    EXPECT_TRUE(fileSystem->EndsWithSeparator("/opt/fs2002/"));
    EXPECT_FALSE(fileSystem->EndsWithSeparator("/opt/fs2002\\"));
    EXPECT_FALSE(fileSystem->EndsWithSeparator(""));
    EXPECT_EQ(fileSystem->LowerCase("Cessna_172\xC4.GAU"), "cessna_172\xC4.gau");
}

}  // namespace
}  // namespace dalvorn
