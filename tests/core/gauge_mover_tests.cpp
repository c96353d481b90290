#include <gtest/gtest.h>

#include <filesystem>

#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using test_support::ListLines;
using Lines = std::vector<std::string>;

class GaugeMover : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges(
            {{"Cessna.GAU", "cessna bytes"}, {"my gauge.gau", "mine"}, {"used.gau", "used"}, {"zulu.gau", "zulu"}});
        tree.AddPanel("c172", "gauge00=used,1\n");
    }
    void Tick(const std::string& key, bool checked) { list.SetChecked(list.Find(key), checked); }
    std::string Destination() const
    {
        const char separator = const_cast<test_support::SimulatorTree&>(tree).Files().Separator();
        return tree.Root() + separator + "Gauges" + separator + "unused" + separator;
    }
};

TEST_F(GaugeMover, MovesTickedGaugesAndReports)
{
    Scan();
    Move();
    EXPECT_EQ(owner.questions,
              Lines{"Remove: All selected gauges will be moved to diffrent folder, continue?"});
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].total, "4");
    EXPECT_EQ(owner.reports[0].moved, "3");
    EXPECT_EQ(owner.reports[0].left, "1");
    EXPECT_EQ(owner.reports[0].destination, Destination());
    EXPECT_EQ(ListLines(list), Lines{"[ ] used.gau (Used By: c172)"});
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), (Lines{"cessna.gau", "my gauge.gau", "zulu.gau"}));
    EXPECT_EQ(tree.ReadFile("Gauges/unused/cessna.gau"), "cessna bytes");
    EXPECT_FALSE(table.Contains("zulu.gau"));
    EXPECT_TRUE(table.Contains("used.gau"));
    EXPECT_EQ(owner.busyDepth, 0);
}

TEST_F(GaugeMover, AnsweringNoChangesNothing)
{
    Scan();
    owner.answer = false;
    Move();
    EXPECT_EQ(list.Count(), 4u);
    EXPECT_FALSE(tree.ExistsExactly("Gauges/unused"));
    EXPECT_TRUE(owner.reports.empty());
    EXPECT_EQ(owner.busyCalls, 1);  // the scan's only
}

TEST_F(GaugeMover, NothingTickedReportsZeroMoved)
{
    Scan();
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
        list.SetChecked(entry, false);
    Move();
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].total, "4");
    EXPECT_EQ(owner.reports[0].moved, "0");
    EXPECT_EQ(owner.reports[0].left, "4");
    EXPECT_TRUE(tree.ExistsExactly("Gauges/unused"));
}

TEST_F(GaugeMover, EverythingTickedEmptiesTheList)
{
    Scan();
    Tick("used.gau", true);
    Move();
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].moved, "4");
    EXPECT_EQ(owner.reports[0].left, "0");
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(tree.NamesIn("Gauges"), Lines{"unused"});
}

TEST_F(GaugeMover, ExistingDestinationStopsThePassWithoutReplacingIt)
{
    tree.WriteFile("Gauges/unused/my gauge.gau", "older copy");
    Scan();
    Move();
    EXPECT_EQ(owner.errors, Lines{"Remove: Move Failed\n\nmy gauge.gau: a file of that name is already in the "
                                  "destination folder\nUnused Gauges Moved: 1"});
    EXPECT_TRUE(owner.reports.empty());
    EXPECT_EQ(owner.busyDepth, 0);
    // cessna.gau came first and went; the failed entry and the rest stay.
    EXPECT_EQ(ListLines(list), (Lines{"[x] my gauge.gau (Used By: )", "[ ] used.gau (Used By: c172)",
                                      "[x] zulu.gau (Used By: )"}));
    EXPECT_FALSE(table.Contains("my gauge.gau"));
    EXPECT_TRUE(table.Contains("zulu.gau"));
    EXPECT_EQ(tree.ReadFile("Gauges/unused/my gauge.gau"), "older copy");
    EXPECT_EQ(tree.ReadFile("Gauges/my gauge.gau"), "mine");
    EXPECT_EQ(tree.ReadFile("Gauges/unused/cessna.gau"), "cessna bytes");
}

TEST_F(GaugeMover, MissingGaugesFolderIsReported)
{
    Scan();
    const std::string other = tree.PathOf("Aircraft");
    Move(other);
    EXPECT_EQ(owner.errors, Lines{"Remove: FS2002 folder not found"});
    EXPECT_EQ(list.Count(), 4u);
}

TEST_F(GaugeMover, WorksInTheFolderNowInTheField)
{
    Scan();
    test_support::SimulatorTree other;
    other.AddGauge("zulu.gau", "other zulu");
    Tick("cessna.gau", false);
    Tick("my gauge.gau", false);
    Move(other.Root() + other.Files().Separator());
    EXPECT_EQ(other.ReadFile("Gauges/unused/zulu.gau"), "other zulu");
    EXPECT_EQ(tree.ReadFile("Gauges/zulu.gau"), "zulu");
}

TEST_F(GaugeMover, SourceGoneSinceTheScanFailsTheMove)
{
    Scan();
    std::filesystem::remove(tree.HostPath("Gauges/Cessna.GAU"));
    Move();
    EXPECT_EQ(owner.ErrorHeadlines(), Lines{"Remove: Move Failed"});
    EXPECT_EQ(list.Count(), 4u);
}

TEST_F(GaugeMover, AFileInTheWayOfUnusedFailsTheMove)
{
    tree.WriteFile("Gauges/unused", "not a folder");
    Scan();
    Move();
    EXPECT_EQ(owner.ErrorHeadlines(), Lines{"Remove: Move Failed"});
    EXPECT_EQ(tree.ReadFile("Gauges/unused"), "not a folder");
    EXPECT_EQ(tree.ReadFile("Gauges/Cessna.GAU"), "cessna bytes");
}

// The warning comes before the question only when a ticked gauge has users;
// its No ends the command with the ticks kept.
TEST_F(GaugeMover, WarnsBeforeMovingAGaugeThatAPanelUses)
{
    const std::string warning =
        "Remove: Some ticked gauges are used by aircraft panels. Moving them breaks those aircraft:\n\n"
        "used.gau (Used By: c172)\n\nMove them anyway?";
    struct Case {
        bool tickUsed;
        bool answer;
        Lines warnings;
        std::size_t questions;
        Lines left;
    };
    const Case cases[] = {
        {false, false, {}, 1, {"[ ] used.gau (Used By: c172)"}},
        {true, false, {warning}, 0,
         {"[x] cessna.gau (Used By: )", "[x] my gauge.gau (Used By: )", "[x] used.gau (Used By: c172)",
          "[x] zulu.gau (Used By: )"}},
        {true, true, {warning}, 1, {}},
    };
    for (const Case& c : cases) {
        test_support::RecordingOwnerWindow fresh;
        owner = fresh;
        owner.warningAnswer = c.answer;
        Scan();
        Tick("used.gau", c.tickUsed);
        Move();
        EXPECT_EQ(owner.warnings, c.warnings) << c.tickUsed << c.answer;
        EXPECT_EQ(owner.questions.size(), c.questions) << c.tickUsed << c.answer;
        EXPECT_EQ(ListLines(list), c.left) << c.tickUsed << c.answer;
        // Put back what moved, for the next case.
        RestoreAll();
    }
}

// A later scan that failed part-way leaves the list, and the warning
// follows the list.
TEST_F(GaugeMover, WarnsAfterAScanThatFailedPartWay)
{
    Scan();
    tree.MakeFolder("Aircraft/Broken/panel.cfg");
    Scan();
    ASSERT_EQ(owner.errors.size(), 1u);
    owner.warningAnswer = false;
    Tick("used.gau", true);
    Move();
    EXPECT_EQ(owner.warnings.size(), 1u);
    EXPECT_EQ(list.Count(), 4u);
    EXPECT_TRUE(tree.ExistsExactly("Gauges/used.gau"));
}

TEST_F(GaugeMover, TheWarningListsTenLabelsAndCountsTheRest)
{
    const std::vector<std::string> labels = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
    EXPECT_EQ(UsedGaugesWarningText(labels),
              "Some ticked gauges are used by aircraft panels. Moving them breaks those aircraft:\n\n"
              "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nand 2 more\n\nMove them anyway?");
    EXPECT_EQ(UsedGaugesWarningText({labels.begin(), labels.begin() + 10}).find("more"), std::string::npos);
}

}  // namespace
}  // namespace dalvorn
