// The gauge list over a real tree-view control.

#include <gtest/gtest.h>

#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_usage_table.h"
#include "support/gauge_list_text.h"
#include "support/recording_owner_window.h"
#include "support/simulator_tree.h"
#include "tree_gauge_list.h"

namespace dalvorn::test_support {
namespace {

using Lines = std::vector<std::string>;

class TreeGaugeListTest : public testing::Test {
protected:
    TreeGaugeListTest()
    {
        tree.Attach(::CreateWindowExA(0, WC_TREEVIEWA, "", WS_POPUP | WS_BORDER, 0, 0, 300, 200, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr));
        tree.ModifyStyle(0, TVS_CHECKBOXES);
    }
    ~TreeGaugeListTest() override { ::DestroyWindow(tree.Detach()); }

    CTreeCtrl tree;
    TreeGaugeList list{tree};
};

TEST_F(TreeGaugeListTest, AppendsUntickedEntriesAtTheEnd)
{
    ASSERT_NE(tree.m_hWnd, nullptr);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.First(), nullptr);
    list.Append("b.gau (Used By: )");
    GaugeList::Entry last = list.Append("a.gau (Used By: c172)");
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(ListLines(list), (Lines{"[ ] b.gau (Used By: )", "[ ] a.gau (Used By: c172)"}));
    EXPECT_EQ(list.Next(last), nullptr);
}

TEST_F(TreeGaugeListTest, TicksOnlyTheEntryGiven)
{
    list.Append("a");
    GaugeList::Entry b = list.Append("b");
    list.Append("c");
    list.SetChecked(b);
    EXPECT_EQ(ListLines(list), (Lines{"[ ] a", "[x] b", "[ ] c"}));
    EXPECT_TRUE(list.IsChecked(b));
    EXPECT_EQ(tree.GetCheck(static_cast<HTREEITEM>(b)), 1);
}

TEST_F(TreeGaugeListTest, KeepsTheOrderTicksAndEntriesAcrossADeletion)
{
    GaugeList::Entry alpha = list.Append("Alpha.gau (Used By: x)");
    GaugeList::Entry bravo = list.Append("bravo.gau (Used By: )");
    GaugeList::Entry zulu = list.Append("zulu.gau (Used By: )");
    list.SetChecked(zulu);
    EXPECT_EQ(ListLines(list),
              (Lines{"[ ] Alpha.gau (Used By: x)", "[ ] bravo.gau (Used By: )", "[x] zulu.gau (Used By: )"}));

    list.Delete(alpha);
    EXPECT_EQ(list.Label(bravo), "bravo.gau (Used By: )");
    EXPECT_TRUE(list.IsChecked(zulu));
    EXPECT_EQ(list.First(), bravo);
    EXPECT_EQ(list.Next(bravo), zulu);
    EXPECT_EQ(list.Count(), 2u);
}

TEST_F(TreeGaugeListTest, ClearRemovesEverything)
{
    list.SuspendRedraw();
    for (int i = 0; i < 50; ++i)
        list.Append("g" + std::to_string(i) + ".gau (Used By: )");
    list.ResumeRedraw();
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.First(), nullptr);
}

TEST_F(TreeGaugeListTest, ReadsLongLabelsWhole)
{
    std::string users;
    for (int i = 0; i < 400; ++i)
        users += (i ? ", " : "") + std::string("Aircraft number ") + std::to_string(i);
    const std::string label = "cessna.gau (Used By: " + users + ")";
    GaugeList::Entry entry = list.Append(label);
    EXPECT_EQ(list.Label(entry), label);
    EXPECT_EQ(KeyFromLabel(list.Label(entry)), "cessna.gau");
}

TEST_F(TreeGaugeListTest, ScanAndMoveWorkOnTheTree)
{
    SimulatorTree simulator;
    simulator.AddGauge("Cessna.GAU");
    simulator.AddGauge("spare one.gau");
    simulator.AddGauge("spare two.gau");
    simulator.AddPanel("c172", "gauge00=Cessna!Airspeed, 10, 20\n");
    RecordingOwnerWindow owner;
    GaugeUsageTable table;

    ScanSimulatorFolder(simulator.Files(), owner, simulator.Root(), table, list);
    EXPECT_EQ(ListLines(list), (Lines{"[ ] cessna.gau (Used By: c172)", "[x] spare one.gau (Used By: )",
                                      "[x] spare two.gau (Used By: )"}));

    MoveSelectedGauges(simulator.Files(), owner, simulator.Root(), table, list);
    EXPECT_EQ(ListLines(list), Lines{"[ ] cessna.gau (Used By: c172)"});
    EXPECT_EQ(simulator.NamesIn("Gauges/unused"), (Lines{"spare one.gau", "spare two.gau"}));
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].moved, "2");
}

}  // namespace
}  // namespace dalvorn::test_support
