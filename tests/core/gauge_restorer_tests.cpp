#include <gtest/gtest.h>

#include "core/gauge_restorer.h"
#include "support/simulator_fixture.h"
#include "support/gauge_list_text.h"

namespace dalvorn {
namespace {

using Lines = std::vector<std::string>;

// The dialog's restore: the unused folder listed with the users a scan of
// the panels finds, the used gauges ticked, and the ticked ones moved back.
class SelectedRestore : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"unused/Alpha.gau", "alpha"}, {"unused/bravo.gau", "bravo"}, {"unused/charlie.gau", "c"},
                        {"delta.gau", "delta"}});
        tree.AddPanel("c172", "gauge00=alpha!x,1\ngauge01=Charlie!y\n//gauge02=bravo\n");
        tree.AddPanel("Baron", "gauge00=ALPHA!x\n");
    }
    // Lists the unused folder as the dialog does; false when it said why not.
    bool List()
    {
        GaugeUsageTable usage;
        if (!ScanUnusedGauges(Files(), owner, tree.Root(), usage))
            return false;
        RenderUsageTable(Files(), usage, list, TickedGauges::Used);
        return true;
    }
    std::size_t Restore() { return RestoreSelectedGauges(Files(), owner, tree.Root(), list); }
};

TEST_F(SelectedRestore, ListsTheUsedGaugesTickedAndBringsThemBack)
{
    ASSERT_TRUE(List());
    EXPECT_EQ(test_support::ListLines(list),
              (Lines{"[x] alpha.gau (Used By: Baron, c172)", "[ ] bravo.gau (Used By: )",
                     "[x] charlie.gau (Used By: c172)"}));
    EXPECT_EQ(Restore(), 2u);
    ASSERT_EQ(owner.restoreReports.size(), 1u);
    const test_support::MoveReport& report = owner.restoreReports[0];
    EXPECT_EQ(report.total, "3");
    EXPECT_EQ(report.moved, "2");
    EXPECT_EQ(report.left, "1");
    const char separator = tree.Files().Separator();
    EXPECT_EQ(report.destination, tree.Root() + separator + "Gauges" + separator);
    EXPECT_EQ(test_support::ListLines(list), Lines{"[ ] bravo.gau (Used By: )"});
    EXPECT_FALSE(HasTickedEntry(list));
    EXPECT_EQ(tree.ReadFile("Gauges/alpha.gau"), "alpha");
    EXPECT_EQ(tree.ReadFile("Gauges/charlie.gau"), "c");
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), Lines{"bravo.gau"});
    EXPECT_EQ(owner.busyDepth, 0);
}

// A gauge back in gauges in another letter case stops the pass there: what
// came before stays restored and counted, nothing is replaced, no report.
TEST_F(SelectedRestore, AGaugeAlreadyInGaugesStopsThePass)
{
    tree.WriteFile("Gauges/CHARLIE.GAU", "newer charlie");
    ASSERT_TRUE(List());
    EXPECT_EQ(Restore(), 1u);
    EXPECT_EQ(owner.errors, Lines{"Restore: Restore Failed\n\ncharlie.gau: a file of that name is already in the "
                                  "destination folder\nGauges Restored: 1"});
    EXPECT_TRUE(owner.restoreReports.empty());
    EXPECT_EQ(tree.ReadFile("Gauges/CHARLIE.GAU"), "newer charlie");
    EXPECT_EQ(tree.ReadFile("Gauges/unused/charlie.gau"), "c");
    EXPECT_EQ(test_support::ListLines(list),
              (Lines{"[ ] bravo.gau (Used By: )", "[x] charlie.gau (Used By: c172)"}));
}

// An unused folder that is missing, a file or empty lists nothing, quietly;
// a missing gauge folder is an error; an unreadable panel raises.
TEST_F(SelectedRestore, OddUnusedFoldersListNothing)
{
    struct Case {
        const char* unusedFile;  // written in place of the folder, or nullptr to remove it
        bool listed;
        Lines errors;
    };
    const Case cases[] = {
        {nullptr, true, {}},
        {"not a folder", true, {}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(tree.HostPath("Gauges/unused"));
        if (c.unusedFile)
            tree.WriteFile("Gauges/unused", c.unusedFile);
        owner.errors.clear();
        EXPECT_EQ(List(), c.listed);
        EXPECT_EQ(list.Count(), 0u);
        EXPECT_EQ(owner.errors, c.errors);
    }
    std::filesystem::remove_all(tree.HostPath("Gauges"));
    EXPECT_FALSE(List());
    EXPECT_EQ(owner.errors, Lines{"Restore: FS2002 folder not found"});
}

TEST_F(SelectedRestore, AnUnreadablePanelIsReportedInsteadOfListing)
{
    tree.MakeFolder("Aircraft/Broken/panel.cfg");
    GaugeUsageTable usage;
    EXPECT_FALSE(ScanUnusedGauges(Files(), owner, tree.Root(), usage));
    EXPECT_TRUE(owner.FileErrorCause("Restore", tree.PathOf("Aircraft/Broken/panel.cfg")))
        << testing::PrintToString(owner.errors);
    EXPECT_EQ(owner.busyDepth, 0);
}

}  // namespace
}  // namespace dalvorn
