#include <gtest/gtest.h>

#include <cstdio>

#include "cli/commands.h"
#include "fault/fault_injecting_file_system.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

// Standard streams replaced by temporary files.
class CapturedConsole {
public:
    explicit CapturedConsole(const std::string& input = "")
        : input_(std::tmpfile()), output_(std::tmpfile()), errors_(std::tmpfile())
    {
        std::fputs(input.c_str(), input_);
        std::rewind(input_);
    }
    ~CapturedConsole()
    {
        for (std::FILE* file : {input_, output_, errors_})
            std::fclose(file);
    }
    Console Streams() const { return Console{input_, output_, errors_}; }
    std::string Output() const { return Contents(output_); }
    std::string Errors() const { return Contents(errors_); }

private:
    static std::string Contents(std::FILE* file)
    {
        std::rewind(file);
        std::string text;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
            text += static_cast<char>(c);
        return text;
    }
    std::FILE* input_;
    std::FILE* output_;
    std::FILE* errors_;
};

class ConsoleCommands : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"Cessna.GAU", "c"}, {"used.gau", "u"}});
        tree.AddPanel("c172", "gauge00=used!x,1\n");
    }
    CommandLine MoveLine(std::vector<std::string> options)
    {
        CommandLine line;
        line.command = Command::Move;
        for (std::size_t i = 0; i < options.size(); ++i) {
            if (options[i] == "--yes")
                line.assumeYes = true;
            else if (options[i] == "--keep")
                line.keep.push_back(options[++i]);
            else if (options[i] == "--select")
                line.select.push_back(options[++i]);
        }
        return line;
    }
};

TEST_F(ConsoleCommands, ScanPrintsTheListWithTicks)
{
    CapturedConsole console;
    EXPECT_EQ(RunScan(tree.Files(), tree.Root(), console.Streams()), 0);
    EXPECT_EQ(console.Output(), "[x] cessna.gau (Used By: )\n[ ] used.gau (Used By: c172)\n");
}

TEST_F(ConsoleCommands, ScanOfAMissingFolderIsAnError)
{
    CapturedConsole console;
    EXPECT_EQ(RunScan(tree.Files(), tree.PathOf("none"), console.Streams()), 1);
    EXPECT_EQ(console.Errors(), "Scan: Folder not found\n");
    EXPECT_EQ(console.Output(), "");
}

TEST_F(ConsoleCommands, MoveAsksAndNoAnswerMeansNo)
{
    CapturedConsole console;
    EXPECT_EQ(RunMove(tree.Files(), MoveLine({}), tree.Root(), console.Streams()), 0);
    EXPECT_EQ(console.Errors(),
              "Remove: All selected gauges will be moved to diffrent folder, continue? [y/N] \n");
    EXPECT_EQ(console.Output(), "");
    EXPECT_TRUE(tree.ExistsExactly("Gauges/Cessna.GAU"));
}

TEST_F(ConsoleCommands, MoveReportsAndListsWhatStays)
{
    CapturedConsole console("y\n");
    EXPECT_EQ(RunMove(tree.Files(), MoveLine({"--select", "used.gau"}), tree.Root(), console.Streams()), 0);
    const char separator = tree.Files().Separator();
    const std::string destination = tree.Root() + separator + "gauges" + separator + "unused" + separator;
    EXPECT_EQ(console.Output(), "Moving Completed\nTotal Gauges Found: 2\nUnused Gauges Moved: 2\n"
                                "Used Gauges Left: 0\nUnused gauges were moved to: " +
                                    destination + "\n");
}

TEST_F(ConsoleCommands, KeepLeavesAGaugeAndUnknownKeysMoveNothing)
{
    CapturedConsole console;
    EXPECT_EQ(RunMove(tree.Files(), MoveLine({"--yes", "--keep", "cessna.gau"}), tree.Root(), console.Streams()), 0);
    EXPECT_NE(console.Output().find("Unused Gauges Moved: 0\n"), std::string::npos);
    EXPECT_NE(console.Output().find("[ ] cessna.gau (Used By: )\n[ ] used.gau"), std::string::npos);

    CapturedConsole unknown;
    EXPECT_THROW(RunMove(tree.Files(), MoveLine({"--yes", "--select", "nope.gau"}), tree.Root(), unknown.Streams()),
                 UsageError);
    EXPECT_TRUE(tree.ExistsExactly("Gauges/Cessna.GAU"));
}

TEST_F(ConsoleCommands, KeysMatchInAnyLetterCase)
{
    CapturedConsole console;
    EXPECT_EQ(RunMove(tree.Files(), MoveLine({"--yes", "--keep", "CESSNA.GAU", "--select", "Used.Gau"}), tree.Root(),
                      console.Streams()),
              0);
    EXPECT_NE(console.Output().find("Unused Gauges Moved: 1\n"), std::string::npos);
    EXPECT_TRUE(tree.ExistsExactly("Gauges/Cessna.GAU"));
    EXPECT_TRUE(tree.ExistsExactly("Gauges/unused/used.gau"));
}

TEST_F(ConsoleCommands, FailedMoveAndRestore)
{
    tree.WriteFile("Gauges/unused/cessna.gau", "older");
    CapturedConsole move;
    EXPECT_EQ(RunMove(tree.Files(), MoveLine({"--yes"}), tree.Root(), move.Streams()), 1);
    EXPECT_EQ(move.Errors(),
              "Remove: Move Failed\n\ncessna.gau: a file of that name is already in the destination folder\n");

    CapturedConsole restore;
    CommandLine line;
    line.command = Command::Restore;
    EXPECT_EQ(RunRestore(tree.Files(), line, tree.Root(), restore.Streams()), 1);
    EXPECT_EQ(restore.Output(), "Restored: 0\ncessna.gau: it is already in gauges\n");
}

TEST_F(ConsoleCommands, RestoreWithoutTheGaugeFolderSaysSo)
{
    CapturedConsole console;
    CommandLine line;
    line.command = Command::Restore;
    EXPECT_EQ(RunRestore(tree.Files(), line, tree.PathOf("none"), console.Streams()), 1);
    EXPECT_EQ(console.Errors(), "Restore: FS2002 folder not found\n");
}

struct FileErrorCase {
    Command command;
    const char* unreadable;  // in the simulator folder
    std::string error;       // from "Cannot read " on
};

// A file that cannot be read ends the command with "Caption: text" on
// standard error, the caption that of the step it stopped (the move's scan
// is a scan), as in the dialog; nothing is printed or moved.
TEST_F(ConsoleCommands, AFileThatCannotBeReadIsShownUnderItsStepsCaption)
{
    const FileErrorCase cases[] = {
        {Command::Scan, "Aircraft/c172/panel.cfg", "Scan: Cannot read %s: read error injected by the test\n"},
        {Command::Move, "Aircraft/c172/panel.cfg", "Scan: Cannot read %s: read error injected by the test\n"},
        {Command::Restore, "Gauges/unused", "Restore: Cannot read %s: listing error injected by the test\n"},
    };
    tree.WriteFile("Gauges/unused/old.gau", "o");
    for (const FileErrorCase& test : cases) {
        test_support::FaultInjectingFileSystem files(tree.Files());
        files.FailReadsAfter(0);
        files.FailListing(tree.PathOf(test.unreadable));
        CommandLine line = MoveLine({"--yes"});
        line.command = test.command;
        CapturedConsole console;
        const int status = test.command == Command::Scan      ? RunScan(files, tree.Root(), console.Streams())
                           : test.command == Command::Move    ? RunMove(files, line, tree.Root(), console.Streams())
                                                              : RunRestore(files, line, tree.Root(), console.Streams());
        const std::string error = test.error;
        const std::size_t at = error.find("%s");
        EXPECT_EQ(status, 1) << test.unreadable;
        EXPECT_EQ(console.Errors(), error.substr(0, at) + tree.PathOf(test.unreadable) + error.substr(at + 2));
        EXPECT_EQ(console.Output(), "");
        EXPECT_EQ(files.MovesTried(), 0);
    }
}

}  // namespace
}  // namespace dalvorn
