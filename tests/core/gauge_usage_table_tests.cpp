#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/gauge_usage_table.h"

namespace dalvorn {
namespace {

struct UsersCase {
    const char* what;
    std::vector<std::string> added;  // in the order the walk meets them
    std::string users;
};

// Each aircraft is listed once, compared byte for byte, in the order first
// met: a name inside another, or across the ", " between two, is a user of
// its own.
const UsersCase kUsersCases[] = {
    {"in order, joined by comma and space", {"c172", "Learjet 45"}, "c172, Learjet 45"},
    {"several panels of one aircraft", {"c172", "c172", "c172"}, "c172"},
    {"a name inside a listed one", {"Cessna 172", "Cessna"}, "Cessna 172, Cessna"},
    {"a listed name inside a new one", {"Cessna", "Cessna 172"}, "Cessna, Cessna 172"},
    {"a name across the separator", {"A", "B", "A, B"}, "A, B, A, B"},
    {"a name holding the separator, then its last part", {"A, B", "B"}, "A, B, B"},
    {"a name the list's text ends with", {"Cub 12", "2"}, "Cub 12, 2"},
    {"letter case tells names apart", {"Lear", "lear"}, "Lear, lear"},
    {"a name made of the separator", {", ", ", "}, ", "},
    {"the last user again after another", {"A", "B", "B"}, "A, B"},
};

TEST(GaugeUsageTable, ListsEachAircraftOnceInTheOrderFirstMet)
{
    for (const UsersCase& test : kUsersCases) {
        GaugeUsageTable table;
        table.ResetGauge("a.gau");
        table.ResetGauge("b.gau");
        for (const std::string& aircraft : test.added) {
            table.AddUser("a.gau", aircraft);
            table.AddUser("b.gau", "other");
        }
        EXPECT_EQ(table.Users("a.gau"), test.users) << test.what;
    }
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
    table.AddUser("a.gau", "c172");
    EXPECT_EQ(table.Users("a.gau"), "c172");
    table.RemoveGauge("a.gau");
    EXPECT_FALSE(table.Contains("a.gau"));
}

}  // namespace
}  // namespace dalvorn
