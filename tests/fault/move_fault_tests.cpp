// Faults met by the Move Selected pass, natively and under Wine. Each pass
// must end with its message, and every gauge file must still exist exactly
// once, its content unchanged.

#include <gtest/gtest.h>

#include <filesystem>

#include "fault_injecting_file_system.h"
#include "gauge_inventory.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using test_support::GaugeInventory;
using test_support::ListLines;
using Lines = std::vector<std::string>;

const Lines kMoveFailed{"Remove: Move Failed"};

class MoveFault : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"Alpha.gau", "alpha bytes"},
                        {"bravo.GAU", "bravo bytes"},
                        {"charlie.gau", "charlie bytes"},
                        {"used.gau", "used bytes"}});
        tree.AddPanel("c172", "gauge00=used,1\n");
    }
    FileSystem& Files() override { return files; }

    // Scans, notes the gauge files, then runs the pass.
    void ScanAndMove()
    {
        Scan();
        before = std::make_unique<GaugeInventory>(tree);
        Move();
    }

    void ExpectNoGaugeLostOrChanged() const { EXPECT_EQ(GaugeInventory(tree).DifferenceFrom(*before), ""); }

    void ExpectFailedPass() const
    {
        EXPECT_EQ(owner.ErrorHeadlines(), kMoveFailed);
        EXPECT_TRUE(owner.reports.empty());
        EXPECT_EQ(owner.busyDepth, 0);
        ExpectNoGaugeLostOrChanged();
    }

    std::string Place(const std::string& content) const { return GaugeInventory(tree).PlaceOf(content); }

    test_support::FaultInjectingFileSystem files{tree.Files()};
    std::unique_ptr<GaugeInventory> before;
};

TEST_F(MoveFault, DestinationSpeltInAnotherCaseIsNeverReplaced)
{
    tree.WriteFile("Gauges/unused/BRAVO.gau", "older bravo");
    ScanAndMove();
    ExpectFailedPass();
    EXPECT_EQ(Place("alpha bytes"), "Gauges/unused/alpha.gau");
    EXPECT_EQ(Place("bravo bytes"), "Gauges/bravo.GAU");
    EXPECT_EQ(Place("older bravo"), "Gauges/unused/BRAVO.gau");
    EXPECT_EQ(ListLines(list), (Lines{"[x] bravo.gau (Used By: )", "[x] charlie.gau (Used By: )",
                                      "[ ] used.gau (Used By: c172)"}));
}

TEST_F(MoveFault, DestinationThatIsAFolderStopsThePass)
{
    tree.MakeFolder("Gauges/unused/alpha.gau");
    ScanAndMove();
    ExpectFailedPass();
    EXPECT_EQ(Place("alpha bytes"), "Gauges/Alpha.gau");
    EXPECT_TRUE(std::filesystem::is_empty(tree.HostPath("Gauges/unused/alpha.gau")));
    EXPECT_EQ(list.Count(), 4u);
}

TEST_F(MoveFault, GaugeVanishingJustBeforeItsMoveStopsThePass)
{
    const std::string bravo = tree.Root() + files.Separator() + "Gauges" + files.Separator() + "bravo.gau";
    files.BeforeMoving(bravo, [this] { std::filesystem::remove(tree.HostPath("Gauges/bravo.GAU")); });
    Scan();
    Move();
    EXPECT_EQ(owner.ErrorHeadlines(), kMoveFailed);
    EXPECT_EQ(owner.busyDepth, 0);
    EXPECT_EQ(files.MovesTried(), 2);
    EXPECT_EQ(tree.NamesIn("Gauges"), (Lines{"charlie.gau", "unused", "used.gau"}));
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), Lines{"alpha.gau"});
    EXPECT_EQ(tree.ReadFile("Gauges/unused/alpha.gau"), "alpha bytes");
}

TEST_F(MoveFault, UnusedBlockedByAFileInAnyCaseStopsThePassAtItsFirstGauge)
{
    tree.WriteFile("Gauges/UNUSED", "a file, not a folder");
    ScanAndMove();
    ExpectFailedPass();
    EXPECT_EQ(files.MovesTried(), 1);
    EXPECT_EQ(Place("a file, not a folder"), "Gauges/UNUSED");
    EXPECT_EQ(Place("alpha bytes"), "Gauges/Alpha.gau");
}

// Without write permission in gauges, unused cannot be created; the fault is
// injected, since the tests may run with rights that ignore permissions.
TEST_F(MoveFault, UnusedThatCannotBeCreatedStopsThePass)
{
    files.RefuseWritesInto(tree.PathOf("Gauges"));
    ScanAndMove();
    ExpectFailedPass();
    EXPECT_FALSE(std::filesystem::exists(tree.HostPath("Gauges/unused")));
}

TEST_F(MoveFault, DestinationWithoutWritePermissionStopsThePass)
{
    tree.MakeFolder("Gauges/unused");
    files.RefuseWritesInto(tree.PathOf("Gauges/unused"));
    ScanAndMove();
    ExpectFailedPass();
    EXPECT_EQ(files.MovesTried(), 1);
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), Lines{});
    EXPECT_EQ(ListLines(list).front(), "[x] alpha.gau (Used By: )");
}

TEST_F(MoveFault, APassAfterTheFaultIsClearedMovesTheRest)
{
    tree.WriteFile("Gauges/unused/charlie.gau", "older charlie");
    ScanAndMove();
    ExpectFailedPass();
    std::filesystem::rename(tree.HostPath("Gauges/unused/charlie.gau"), tree.HostPath("older-charlie.gau"));
    owner.errors.clear();
    Move();
    EXPECT_EQ(owner.errors, Lines{});
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].total, "2");
    EXPECT_EQ(owner.reports[0].moved, "1");
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), (Lines{"alpha.gau", "bravo.gau", "charlie.gau"}));
    EXPECT_EQ(tree.ReadFile("Gauges/unused/charlie.gau"), "charlie bytes");
    EXPECT_EQ(tree.ReadFile("Gauges/used.gau"), "used bytes");
}

}  // namespace
}  // namespace dalvorn
