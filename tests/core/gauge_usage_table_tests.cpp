#include <gtest/gtest.h>

#include <random>

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

TEST(GaugeUsageTable, RepeatedAndInterleavedUsersFollowTheSubstringRule)
{
    // Short names over a tiny alphabet make names inside names, names across
    // separators and repeats of the last user common.
    std::mt19937 random(7);
    const std::string letters = "AB, a";
    for (int trial = 0; trial < 200; ++trial) {
        GaugeUsageTable table;
        table.ResetGauge("g.gau");
        std::string expected;
        for (int add = 0; add < 30; ++add) {
            std::string aircraft;
            for (int length = 1 + random() % 4; length > 0; --length)
                aircraft += letters[random() % letters.size()];
            const int repeats = 1 + random() % 3;
            for (int i = 0; i < repeats; ++i)
                table.AddUser("g.gau", aircraft);
            if (expected.find(aircraft) == std::string::npos)
                expected += (expected.empty() ? "" : ", ") + aircraft;
            if (random() % 10 == 0) {
                table.ResetGauge("g.gau");
                expected.clear();
            }
        }
        ASSERT_EQ(table.Users("g.gau"), expected) << "trial " << trial;
    }
}

TEST(GaugeUsageTable, LongListsAreSearchedWhole)
{
    GaugeUsageTable table;
    table.ResetGauge("a.gau");
    std::string expected;
    for (int number = 0; number < 2000; ++number) {
        const std::string aircraft = "Piper Cub " + std::to_string(number);
        table.AddUser("a.gau", aircraft);
        if (expected.find(aircraft) == std::string::npos)
            expected += (expected.empty() ? "" : ", ") + aircraft;
    }
    table.AddUser("a.gau", "Cub 1999");
    table.AddUser("a.gau", "9, Piper");
    table.AddUser("a.gau", "Piper Cub 2000");
    EXPECT_EQ(table.Users("a.gau"), expected + ", Piper Cub 2000");
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
