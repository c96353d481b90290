#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "version.h"

namespace dalvorn {
namespace {

bool NoFolders(const std::string&) { return false; }
bool EveryWordIsAFolder(const std::string&) { return true; }

CommandLine Parse(std::vector<std::string> words, bool (*folders)(const std::string&) = NoFolders)
{
    return ParseCommandLine(words, folders);
}

TEST(CommandLine, ScanAndCheckTakeAnOptionalFolder)
{
    for (const char* command : {"scan", "check"}) {
        EXPECT_EQ(Parse({command, "C:\\FS2002"}).folder, "C:\\FS2002");
        EXPECT_EQ(Parse({command}).command, std::string(command) == "scan" ? Command::Scan : Command::Check);
        EXPECT_FALSE(Parse({command}).folder);
        EXPECT_THROW(Parse({command, "a", "b"}), UsageError);
        EXPECT_THROW(Parse({command, "--yes"}), UsageError);
    }
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

struct AcceptedLine {
    std::vector<std::string> words;
    Command command;
    std::optional<std::string> folder;
    bool assumeYes;
    std::vector<std::string> keys;
};

const AcceptedLine kAcceptedLines[] = {
    {{"--version"}, Command::Version, std::nullopt, false, {}},
    {{"move", "--", "-sim"}, Command::Move, "-sim", false, {}},
    {{"move", "--yes", "--", "--sim"}, Command::Move, "--sim", true, {}},
    {{"move", "/sim", "--yes", "--"}, Command::Move, "/sim", true, {}},
    {{"scan", "--", "/sim"}, Command::Scan, "/sim", false, {}},
    {{"scan", "--", "--"}, Command::Scan, "--", false, {}},
    {{"scan", "--"}, Command::Scan, std::nullopt, false, {}},
    {{"scan", "-"}, Command::Scan, "-", false, {}},
    {{"restore", "--", "/sim", "-a.gau"}, Command::Restore, "/sim", false, {"-a.gau"}},
    {{"restore", "--", "-a.gau"}, Command::Restore, std::nullopt, false, {"-a.gau"}},
};

TEST(CommandLine, AcceptsTheseLines)
{
    for (const AcceptedLine& expected : kAcceptedLines) {
        const std::string text = testing::PrintToString(expected.words);
        const CommandLine line = Parse(expected.words);
        EXPECT_EQ(line.command, expected.command) << text;
        EXPECT_EQ(line.folder, expected.folder) << text;
        EXPECT_EQ(line.assumeYes, expected.assumeYes) << text;
        EXPECT_EQ(line.keys, expected.keys) << text;
    }
}

struct RefusedLine {
    std::vector<std::string> words;
    std::string problem;
};

const RefusedLine kRefusedLines[] = {
    {{}, "no command given"},
    {{"delete"}, "unknown command 'delete'"},
    {{"-v"}, "unknown command '-v'"},
    {{"scan", "--version"}, "unknown option '--version'"},
    {{"scan", "--", "a", "b"}, "more than one folder given: 'a' and 'b'"},
    {{"move", "a", "--", "b"}, "more than one folder given: 'a' and 'b'"},
    {{"move", "--", "a", "--yes"}, "more than one folder given: 'a' and '--yes'"},
    {{"move", "--", "a", "--", "--yes"}, "more than one folder given: 'a' and '--'"},
    {{"move", "--keep"}, "--keep needs a gauge key"},
};

TEST(CommandLine, RefusesTheseLinesSayingWhy)
{
    for (const RefusedLine& refused : kRefusedLines) {
        const std::string text = testing::PrintToString(refused.words);
        try {
            Parse(refused.words);
            ADD_FAILURE() << text << " was accepted";
        } catch (const UsageError& error) {
            EXPECT_EQ(error.what(), refused.problem) << text;
        }
    }
}

TEST(CommandLine, VersionNamesTheProgramAndItsVersion)
{
    EXPECT_EQ(VersionText(), "dalvorn-cli (Dalvorn) " DALVORN_VERSION_TEXT "\n");
    EXPECT_NE(std::string(DALVORN_VERSION_TEXT).find('.'), std::string::npos);
}

TEST(CommandLine, AUsageErrorShowsTheProblemTheSynopsisAndPointsToHelp)
{
    const std::string text = UsageErrorText(UsageError("no command given"));
    EXPECT_EQ(text.rfind("dalvorn-cli: no command given\n\nUsage: dalvorn-cli scan [FOLDER]\n", 0), 0u) << text;
    EXPECT_NE(text.find("dalvorn-cli --help | --version\n\nRun 'dalvorn-cli --help'"), std::string::npos) << text;
    EXPECT_EQ(text.find("Finds the gauges"), std::string::npos) << text;
}

}  // namespace
}  // namespace dalvorn
