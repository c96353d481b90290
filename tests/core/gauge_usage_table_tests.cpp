#include <gtest/gtest.h>

#include "core/gauge_usage_table.h"

namespace dalvorn {
namespace {

TEST(GaugeUsageTable, AddUserAppendsInOrderSeparatedByCommaSpace)
{
    GaugeUsageTable table;
    table.ResetGauge("cessna.gau");
    table.AddUser("cessna.gau", "c172");
    table.AddUser("cessna.gau", "Learjet 45");
    EXPECT_EQ(table.Users("cessna.gau"), "c172, Learjet 45");
}

TEST(GaugeUsageTable, ContainmentIsTestedOnTheJoinedText)
{
    GaugeUsageTable table;
    table.ResetGauge("a.gau");
    table.AddUser("a.gau", "Cessna 172");
    table.AddUser("a.gau", "Cessna");  // a substring of a listed name
    EXPECT_EQ(table.Users("a.gau"), "Cessna 172");

    table.ResetGauge("b.gau");
    table.AddUser("b.gau", "Cessna");
    table.AddUser("b.gau", "Cessna 172");
    EXPECT_EQ(table.Users("b.gau"), "Cessna, Cessna 172");

    table.ResetGauge("c.gau");
    table.AddUser("c.gau", "A");
    table.AddUser("c.gau", "B");
    table.AddUser("c.gau", "A, B");  // only found across the separator
    table.AddUser("c.gau", "a");     // case-sensitive: not contained
    EXPECT_EQ(table.Users("c.gau"), "A, B, a");
}

TEST(GaugeUsageTable, UnknownKeysAreIgnored)
{
    GaugeUsageTable table;
    table.AddUser("ghost.gau", "c172");
    table.RemoveGauge("ghost.gau");
    EXPECT_EQ(table.Size(), 0u);
}

TEST(GaugeUsageTable, ResetEmptiesUsersAndRemoveDeletes)
{
    GaugeUsageTable table;
    table.ResetGauge("a.gau");
    table.AddUser("a.gau", "c172");
    table.ResetGauge("a.gau");
    EXPECT_EQ(table.Users("a.gau"), "");
    table.RemoveGauge("a.gau");
    EXPECT_FALSE(table.Contains("a.gau"));
}

}  // namespace
}  // namespace dalvorn
