// Where the file system tells letter case apart, a simulator folder may hold
// both "Gauges" and "gauges": the move and the restore act on the folder the
// scan listed, and never touch the other.

#include <gtest/gtest.h>

#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using Lines = std::vector<std::string>;

using GaugeFolderSpelling = test_support::SimulatorFixture;

TEST_F(GaugeFolderSpelling, MoveAndRestoreActOnTheFolderTheScanListed)
{
    tree.AddGauge("alpha.gau", "listed alpha");
    tree.WriteFile("gauges/alpha.gau", "other alpha");
    tree.WriteFile("gauges/bravo.gau", "other bravo");

    Scan();
    Move();
    ASSERT_EQ(owner.errors, Lines{});
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].moved, "1");
    EXPECT_EQ(tree.ReadFile("Gauges/unused/alpha.gau"), "listed alpha");
    EXPECT_EQ(tree.NamesIn("Gauges"), Lines{"unused"});
    EXPECT_EQ(tree.NamesIn("gauges"), (Lines{"alpha.gau", "bravo.gau"}));

    EXPECT_EQ(RestoreAll(), 1u);
    EXPECT_EQ(tree.ReadFile("Gauges/alpha.gau"), "listed alpha");
    EXPECT_EQ(tree.ReadFile("gauges/alpha.gau"), "other alpha");
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), Lines{});
}

}  // namespace
}  // namespace dalvorn
