// Panel files no simulator would write: one that fails part way through
// reading, a folder in a panel's place, one of 100 MB without a single
// line end, and one that names the same containers on a thousand lines.

#include <gtest/gtest.h>

#include <fstream>

#include "core/missing_gauge_check.h"
#include "fault_injecting_file_system.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using test_support::ListLines;
using Lines = std::vector<std::string>;

const std::size_t kHugeLineBytes = 100u << 20;

// Writes "gauge00=huge," and then filler up to `bytes`, with no line end.
void WriteHugeOneLinePanel(const test_support::SimulatorTree& tree, const std::string& relativePath, std::size_t bytes)
{
    std::ofstream file(tree.HostPath(relativePath), std::ios::binary);
    const std::string start = "gauge00=huge,";
    file << start;
    const std::string block(1 << 20, 'x');
    for (std::size_t written = start.size(); written < bytes; written += block.size())
        file.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), bytes - written)));
}

class HostilePanel : public test_support::SimulatorFixture {
protected:
    void Scan(FileSystem& files) { ScanSimulatorFolder(files, owner, tree.Root(), table, list); }
};

// The check looks each distinct container up a few times however many
// lines name it, not once per line.
TEST_F(HostilePanel, CheckLooksEachContainerUpOnce)
{
    tree.AddGauge("present.gau");
    std::string panel;
    for (int i = 0; i < 1000; ++i)
        panel += "gauge00=" + std::string(i % 2 == 0 ? "present" : i % 3 == 0 ? "absent" : "Gone") + "!x,1\n";
    tree.AddPanel("c172", panel);
    test_support::FaultInjectingFileSystem files(tree.Files());
    EXPECT_EQ(FindMissingContainers(files, tree.Root()).size(), 2u);
    EXPECT_LT(files.LookUps(), 40);
}

TEST_F(HostilePanel, ReadErrorPartWayThroughEndsTheScanKeepingTheList)
{
    tree.AddGauge("first.gau");
    tree.AddGauge("second.gau");
    tree.AddPanel("c172", "gauge00=first,1\ngauge01=second,1\n");
    list.Append({"before", ""});
    test_support::FaultInjectingFileSystem files(tree.Files());
    files.FailReadsAfter(20);
    Scan(files);
    EXPECT_TRUE(owner.FileErrorCause("Scan", tree.PathOf("Aircraft/c172/panel.cfg")))
        << testing::PrintToString(owner.errors);
    EXPECT_EQ(ListLines(list), Lines{"[ ] before (Used By: )"});
    EXPECT_EQ(owner.busyDepth, 0);
    EXPECT_EQ(table.Size(), 0u);  // as it was: a part of a scan is never taken for all of it
}

TEST_F(HostilePanel, FolderInThePlaceOfAPanelEndsTheScan)
{
    tree.AddGauge("inner.gau");
    tree.AddPanel("c172/panel.cfg", "gauge00=inner,1\n");
    list.Append({"before", ""});
    Scan(tree.Files());
    EXPECT_TRUE(owner.FileErrorCause("Scan", tree.PathOf("Aircraft/c172/panel.cfg")))
        << testing::PrintToString(owner.errors);
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_EQ(ListLines(list), Lines{"[ ] before (Used By: )"});
    EXPECT_EQ(owner.busyDepth, 0);
}

TEST_F(HostilePanel, HundredMegabytesWithoutALineEndAreReadAsOneLine)
{
    tree.AddGauge("huge.gau");
    tree.AddGauge("other.gau");
    tree.MakeFolder("Aircraft/c172");
    WriteHugeOneLinePanel(tree, "Aircraft/c172/panel.cfg", kHugeLineBytes);
    Scan(tree.Files());
    EXPECT_EQ(ListLines(list), (Lines{"[ ] huge.gau (Used By: c172)", "[x] other.gau (Used By: )"}));
}

}  // namespace
}  // namespace dalvorn
