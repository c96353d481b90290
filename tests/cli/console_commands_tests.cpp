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
    static CommandLine RestoreLine(std::vector<std::string> keys)
    {
        CommandLine line;
        line.command = Command::Restore;
        line.keys = std::move(keys);
        return line;
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

// Names written in Windows-1252 bytes (natively, names no UTF-8 reads;
// under Windows, the code page's) print in UTF-8, gauges and aircraft alike.
TEST_F(ConsoleCommands, ScanPrintsNamesInWindows1252InUtf8)
{
    tree.AddGauge("caf\xE9.gau");
    tree.AddPanel("Fl\xFCgel", "gauge00=CAF\xC9,1\n");
    CapturedConsole console;
    EXPECT_EQ(RunScan(tree.Files(), tree.Root(), console.Streams()), 0);
    EXPECT_EQ(console.Output(), "[ ] caf\xC3\xA9.gau (Used By: Fl\xC3\xBCgel)\n[x] cessna.gau (Used By: )\n"
                                "[ ] used.gau (Used By: c172)\n");
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
    const std::string destination = tree.Root() + separator + "Gauges" + separator + "unused" + separator;
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

// Both passes stop at the first failure and tell how many gauges went
// before it, under the report's label.
TEST_F(ConsoleCommands, FailedMoveAndRestoreTellWhatWentBefore)
{
    tree.AddGauge("a.gau", "a");
    tree.WriteFile("Gauges/unused/cessna.gau", "older");
    CapturedConsole move;
    EXPECT_EQ(RunMove(tree.Files(), MoveLine({"--yes"}), tree.Root(), move.Streams()), 1);
    EXPECT_EQ(move.Errors(), "Remove: Move Failed\n\ncessna.gau: a file of that name is already in the destination "
                             "folder\nUnused Gauges Moved: 1\n");

    tree.AddGauge("unused/zulu.gau", "z");
    CapturedConsole restore;
    EXPECT_EQ(RunRestore(tree.Files(), RestoreLine({}), tree.Root(), restore.Streams()), 1);
    EXPECT_EQ(restore.Errors(), "Restore: Restore Failed\n\ncessna.gau: a file of that name is already in the "
                                "destination folder\nGauges Restored: 1\n");
    EXPECT_EQ(restore.Output(), "");
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), (std::vector<std::string>{"cessna.gau", "zulu.gau"}));
    EXPECT_EQ(tree.ReadFile("Gauges/Cessna.GAU"), "c");

    CapturedConsole named;
    EXPECT_EQ(RunRestore(tree.Files(), RestoreLine({"ZULU.gau"}), tree.Root(), named.Streams()), 0);
    EXPECT_EQ(named.Output(), "Restoring Completed\nTotal Gauges Found: 2\nGauges Restored: 1\nGauges Left: 1\n"
                              "Gauges were restored to: " + tree.PathOf("Gauges") + tree.Files().Separator() + "\n");
    EXPECT_THROW(RunRestore(tree.Files(), RestoreLine({"../used.gau"}), tree.Root(), named.Streams()), UsageError);
}

TEST_F(ConsoleCommands, RestoreWithoutTheGaugeFolderSaysSo)
{
    CapturedConsole console;
    EXPECT_EQ(RunRestore(tree.Files(), RestoreLine({}), tree.PathOf("none"), console.Streams()), 1);
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

// A used gauge that --select ticks brings the warning before the question;
// --yes answers the question and the move goes on.
TEST_F(ConsoleCommands, SelectingAUsedGaugeWarnsOnStandardError)
{
    const std::string warning =
        "Remove: Some ticked gauges are used by aircraft panels. Moving them breaks those aircraft:\n\n"
        "used.gau (Used By: c172)\n\nMove them anyway?\n";
    struct Case {
        std::vector<std::string> options;
        std::string errors;
        bool usedMoved;
    };
    const Case cases[] = {
        {{"--yes"}, "", false},
        {{"--yes", "--select", "used.gau"}, warning, true},
        {{"--select", "used.gau"}, warning + "Remove: All selected gauges will be moved to diffrent folder, continue? [y/N] \n",
         false},
    };
    for (const Case& c : cases) {
        CapturedConsole restored;
        RunRestore(tree.Files(), RestoreLine({}), tree.Root(), restored.Streams());
        CapturedConsole console;
        EXPECT_EQ(RunMove(tree.Files(), MoveLine(c.options), tree.Root(), console.Streams()), 0);
        EXPECT_EQ(console.Errors(), c.errors);
        EXPECT_EQ(tree.ExistsExactly("Gauges/unused/used.gau"), c.usedMoved);
    }
}

// check: one line per container the simulator cannot find, the restore
// command once after the moved ones, and status 3 when anything is listed.
TEST_F(ConsoleCommands, CheckListsWhatPanelsMissAndHowToRestoreIt)
{
    tree.WriteFile("Gauges/unused/gone.gau", "g");
    tree.WriteFile("Gauges/unused/my moved.gau", "m");
    tree.WriteFile("Gauges/unused/`touch x`.gau", "t");
    tree.WriteFile("Gauges/unused/$home's.gau", "h");
    const bool plainRoot = tree.Root().find_first_of(":\\ ") == std::string::npos;
    const std::string restore = "To bring the moved gauges back: dalvorn-cli restore " +
                                (plainRoot ? tree.Root() : "'" + tree.Root() + "'") + " ";
    struct Case {
        std::string panel;
        std::string output;
        int status;
    };
    const Case cases[] = {
        {"gauge00=used!x\ngauge01=Cessna!y\n", "", 0},
        {"gauge00=Gone!x\n", "moved   gone.gau (Needed By: c172)\n" + restore + "gone.gau\n", 3},
        {"gauge00=Zulu!x\ngauge01=my moved!y\ngauge02=gone!z\n",
         "moved   gone.gau (Needed By: c172)\nmoved   my moved.gau (Needed By: c172)\n"
         "missing zulu (Needed By: c172)\n" +
             restore + "gone.gau 'my moved.gau'\n",
         3},
        {"gauge00=`touch x`!x\ngauge01=$HOME's!y\n",
         "moved   $home's.gau (Needed By: c172)\nmoved   `touch x`.gau (Needed By: c172)\n" + restore +
             "'$home'\\''s.gau' '`touch x`.gau'\n",
         3},
    };
    for (const Case& c : cases) {
        tree.AddPanel("c172", c.panel);
        CapturedConsole console;
        EXPECT_EQ(RunCheck(tree.Files(), tree.Root(), console.Streams()), c.status) << c.panel;
        EXPECT_EQ(console.Output(), c.output) << c.panel;
        EXPECT_EQ(console.Errors(), "") << c.panel;
    }
    CapturedConsole missing;
    EXPECT_EQ(RunCheck(tree.Files(), tree.PathOf("none"), missing.Streams()), 1);
    EXPECT_EQ(missing.Errors(), "Check: Folder not found\n");
}

}  // namespace
}  // namespace dalvorn
