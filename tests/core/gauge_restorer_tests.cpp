#include <gtest/gtest.h>

#include "core/gauge_restorer.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using Lines = std::vector<std::string>;

class GaugeRestorer : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"unused/a.gau", "a"}, {"unused/b.gau", "b"}, {"b.gau", "newer b"}});
    }
};

TEST_F(GaugeRestorer, RestoresEverythingThatDoesNotReplaceAFile)
{
    const RestoreResult result = RestoreGauges(tree.Files(), tree.Root(), {});
    EXPECT_EQ(result.restored, 1u);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].key, "b.gau");
    EXPECT_EQ(result.failures[0].reason, kAlreadyInGauges);
    EXPECT_EQ(tree.ReadFile("Gauges/a.gau"), "a");
    EXPECT_EQ(tree.ReadFile("Gauges/b.gau"), "newer b");
    EXPECT_EQ(tree.ReadFile("Gauges/unused/b.gau"), "b");
}

TEST_F(GaugeRestorer, NamedKeysInAnyCaseAndUnknownOnes)
{
    const RestoreResult result = RestoreGauges(tree.Files(), tree.Root(), {"A.GAU", "../b.gau", "c.gau"});
    EXPECT_EQ(result.restored, 1u);
    ASSERT_EQ(result.failures.size(), 2u);
    EXPECT_EQ(result.failures[0].reason, kNotInUnused);
    EXPECT_EQ(result.failures[1].key, "c.gau");
    EXPECT_EQ(tree.NamesIn("Gauges"), (Lines{"a.gau", "b.gau", "unused"}));
}

TEST_F(GaugeRestorer, MissingGaugesFolder)
{
    EXPECT_FALSE(RestoreGauges(tree.Files(), tree.PathOf("Aircraft"), {}).gaugeFolderFound);
}

}  // namespace
}  // namespace dalvorn
