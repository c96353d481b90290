// Files held open by another program, on Windows and under Wine (which
// honours sharing modes for renames as Windows does): a gauge or a panel
// opened without sharing can be neither moved nor read.

#include <gtest/gtest.h>

#include <windows.h>

#include "gauge_inventory.h"
#include "platform/win32/win32_handle.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using test_support::GaugeInventory;
using test_support::ListLines;
using Lines = std::vector<std::string>;

// A file kept open, as another program would hold it.
FileHandle HoldOpen(const std::string& path, DWORD shareMode)
{
    return FileHandle(CreateFileA(path.c_str(), GENERIC_READ, shareMode, nullptr, OPEN_EXISTING, 0, nullptr));
}

class SharingFault : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"alpha.gau", "alpha bytes"}, {"bravo.gau", "bravo bytes"}, {"charlie.gau", "charlie bytes"}});
        tree.AddPanel("c172", "gauge00=charlie,1\n");
    }
};

TEST_F(SharingFault, GaugeHeldOpenWithoutSharingCannotBeMoved)
{
    Scan();
    const GaugeInventory before(tree);
    {
        const FileHandle held = HoldOpen(tree.PathOf("Gauges/bravo.gau"), 0);
        ASSERT_TRUE(held.IsValid());
        Move();
    }
    EXPECT_EQ(owner.ErrorHeadlines(), Lines{"Remove: Move Failed"});
    EXPECT_TRUE(owner.reports.empty());
    EXPECT_EQ(owner.busyDepth, 0);
    EXPECT_EQ(GaugeInventory(tree).DifferenceFrom(before), "");
    EXPECT_EQ(GaugeInventory(tree).PlaceOf("bravo bytes"), "Gauges/bravo.gau");
    EXPECT_EQ(ListLines(list), (Lines{"[x] bravo.gau (Used By: )", "[ ] charlie.gau (Used By: c172)"}));
}

TEST_F(SharingFault, GaugeHeldOpenWithoutDeleteSharingCannotBeMoved)
{
    Scan();
    const GaugeInventory before(tree);
    {
        const FileHandle held = HoldOpen(tree.PathOf("Gauges/alpha.gau"), FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(held.IsValid());
        Move();
    }
    EXPECT_EQ(owner.ErrorHeadlines(), Lines{"Remove: Move Failed"});
    EXPECT_EQ(GaugeInventory(tree).DifferenceFrom(before), "");
    EXPECT_EQ(list.Count(), 3u);
}

TEST_F(SharingFault, GaugeHeldOpenWithFullSharingIsMoved)
{
    Scan();
    {
        const FileHandle held =
            HoldOpen(tree.PathOf("Gauges/alpha.gau"), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        ASSERT_TRUE(held.IsValid());
        Move();
    }
    EXPECT_EQ(owner.errors, Lines{});
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), (Lines{"alpha.gau", "bravo.gau"}));
    EXPECT_EQ(tree.ReadFile("Gauges/unused/alpha.gau"), "alpha bytes");
}

TEST_F(SharingFault, PanelHeldOpenWithoutSharingEndsTheScan)
{
    list.Append({"before", ""});
    const FileHandle held = HoldOpen(tree.PathOf("Aircraft/c172/panel.cfg"), 0);
    ASSERT_TRUE(held.IsValid());
    Scan();
    EXPECT_TRUE(owner.FileErrorCause("Scan", tree.PathOf("Aircraft/c172/panel.cfg")))
        << testing::PrintToString(owner.errors);
    EXPECT_EQ(ListLines(list), Lines{"[ ] before (Used By: )"});
    EXPECT_EQ(owner.busyDepth, 0);
}

}  // namespace
}  // namespace dalvorn
