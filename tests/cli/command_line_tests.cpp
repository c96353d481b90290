#include <gtest/gtest.h>

#include "cli/command_line.h"

namespace dalvorn {
namespace {

bool NoFolders(const std::string&) { return false; }
bool EveryWordIsAFolder(const std::string&) { return true; }

CommandLine Parse(std::vector<std::string> words, bool (*folders)(const std::string&) = NoFolders)
{
    return ParseCommandLine(words, folders);
}

TEST(CommandLine, ScanTakesAnOptionalFolder)
{
    EXPECT_EQ(Parse({"scan", "C:\\FS2002"}).folder, "C:\\FS2002");
    EXPECT_FALSE(Parse({"scan"}).folder);
    EXPECT_THROW(Parse({"scan", "a", "b"}), UsageError);
    EXPECT_THROW(Parse({"scan", "--yes"}), UsageError);
}

TEST(CommandLine, MoveOptionsInAnyOrder)
{
    const CommandLine line = Parse({"move", "--keep", "a.gau", "/sim", "--select", "b.gau", "--yes", "--keep", "c"});
    EXPECT_EQ(line.command, Command::Move);
    EXPECT_EQ(line.folder, "/sim");
    EXPECT_TRUE(line.assumeYes);
    EXPECT_EQ(line.keep, (std::vector<std::string>{"a.gau", "c"}));
    EXPECT_EQ(line.select, std::vector<std::string>{"b.gau"});
    EXPECT_THROW(Parse({"move", "--keep"}), UsageError);
    EXPECT_THROW(Parse({"move", "--force"}), UsageError);
}

TEST(CommandLine, RestoreFolderIsOptionalBeforeTheKeys)
{
    CommandLine line = Parse({"restore", "/sim", "a.gau"});
    EXPECT_EQ(line.folder, "/sim");
    EXPECT_EQ(line.keys, std::vector<std::string>{"a.gau"});
    line = Parse({"restore", "a.gau", "b.gau"});
    EXPECT_FALSE(line.folder);
    EXPECT_EQ(line.keys.size(), 2u);
    EXPECT_EQ(Parse({"restore", "sim.gau", "b.gau"}, EveryWordIsAFolder).folder, "sim.gau");
}

TEST(CommandLine, HelpAndUnknownCommands)
{
    EXPECT_EQ(Parse({"--help"}).command, Command::Help);
    EXPECT_THROW(Parse({}), UsageError);
    EXPECT_THROW(Parse({"delete"}), UsageError);
}

}  // namespace
}  // namespace dalvorn
