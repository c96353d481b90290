// Real permission faults on Linux: the tests run as root, for whom mode bits
// refuse nothing, so the folders and files are made immutable instead (and
// the tests skip where the file system cannot do that).

#include <gtest/gtest.h>

#include <filesystem>

#include "gauge_inventory.h"
#include "immutable_attribute.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using test_support::GaugeInventory;
using test_support::ImmutableAttribute;
using Lines = std::vector<std::string>;

const char kCannotSetAttribute[] = "the immutable attribute cannot be set here";

class PermissionFault : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"alpha.gau", "alpha bytes"}, {"bravo.gau", "bravo bytes"}});
        Scan();
    }

    // Runs the pass with `path` immutable, and checks that it failed and
    // left every gauge as it was; false when the attribute cannot be set here.
    bool MoveWithImmutable(const std::string& relativePath)
    {
        const GaugeInventory before(tree);
        {
            const ImmutableAttribute immutable(tree.PathOf(relativePath));
            if (!immutable.IsSet())
                return false;
            Move();
        }
        EXPECT_EQ(owner.ErrorHeadlines(), Lines{"Remove: Move Failed"});
        EXPECT_TRUE(owner.reports.empty());
        EXPECT_EQ(owner.busyDepth, 0);
        EXPECT_EQ(GaugeInventory(tree).DifferenceFrom(before), "");
        EXPECT_EQ(list.Count(), 2u);
        return true;
    }
};

TEST_F(PermissionFault, DestinationFolderRefusingNewEntries)
{
    tree.MakeFolder("Gauges/unused");
    if (!MoveWithImmutable("Gauges/unused"))
        GTEST_SKIP() << kCannotSetAttribute;
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), Lines{});
}

TEST_F(PermissionFault, GaugeFolderInWhichUnusedCannotBeCreated)
{
    if (!MoveWithImmutable("Gauges"))
        GTEST_SKIP() << kCannotSetAttribute;
    EXPECT_FALSE(std::filesystem::exists(tree.HostPath("Gauges/unused")));
}

TEST_F(PermissionFault, GaugeFileThatMayNotBeRenamed)
{
    if (!MoveWithImmutable("Gauges/alpha.gau"))
        GTEST_SKIP() << kCannotSetAttribute;
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), Lines{});
}

}  // namespace
}  // namespace dalvorn
