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

// The control shows each record's label, long ones whole, and keeps order,
// ticks and records across a deletion.
TEST_F(TreeGaugeListTest, ShowsTheRecordsLabelsAndKeepsThemAcrossADeletion)
{
    ASSERT_NE(tree.m_hWnd, nullptr);
    std::string users;
    for (int i = 0; i < 400; ++i)
        users += (i ? ", " : "") + std::string("Aircraft number ") + std::to_string(i);
    GaugeList::Entry alpha = list.Append({"alpha.gau", "x"});
    GaugeList::Entry bravo = list.Append({"bravo.gau", users});
    GaugeList::Entry zulu = list.Append({"zulu.gau", ""});
    list.SetChecked(zulu, true);
    std::vector<char> text(20000);
    TVITEMA item = {};
    item.mask = TVIF_HANDLE | TVIF_TEXT;
    item.hItem = static_cast<HTREEITEM>(bravo);
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    tree.SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::string(text.data()), "bravo.gau (Used By: " + users + ")");
    EXPECT_EQ(tree.GetCheck(static_cast<HTREEITEM>(zulu)), 1);

    list.Delete(alpha);
    EXPECT_EQ(list.Record(bravo).users, users);
    EXPECT_EQ(list.Find("zulu.gau"), zulu);
    EXPECT_EQ(list.Find("alpha.gau"), nullptr);
    EXPECT_EQ(ListLines(list), (Lines{"[ ] bravo.gau (Used By: " + users + ")", "[x] zulu.gau (Used By: )"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.First(), nullptr);
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
