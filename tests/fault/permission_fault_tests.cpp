// Real permission faults on Linux: the tests run as root, for whom mode bits
// refuse nothing, so the folders and files are made immutable instead (and
// the tests skip where the file system cannot do that).

#include <gtest/gtest.h>

#include <filesystem>

#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "gauge_inventory.h"
#include "immutable_attribute.h"
#include "support/recording_owner_window.h"
#include "support/simulator_tree.h"

namespace dalvorn {
namespace {

using testing::GaugeInventory;
using testing::ImmutableAttribute;
using Lines = std::vector<std::string>;

const char kCannotSetAttribute[] = "the immutable attribute cannot be set here";

class PermissionFault : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.AddGauge("alpha.gau", "alpha bytes");
        tree.AddGauge("bravo.gau", "bravo bytes");
        ScanSimulatorFolder(tree.Files(), owner, tree.Root(), table, list);
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
            MoveSelectedGauges(tree.Files(), owner, tree.Root(), table, list);
        }
        EXPECT_EQ(owner.ErrorHeadlines(), Lines{"Remove: Move Failed"});
        EXPECT_TRUE(owner.reports.empty());
        EXPECT_EQ(owner.busyDepth, 0);
        EXPECT_EQ(GaugeInventory(tree).DifferenceFrom(before), "");
        EXPECT_EQ(list.Count(), 2u);
        return true;
    }

    testing::SimulatorTree tree;
    testing::RecordingOwnerWindow owner;
    GaugeUsageTable table;
    MemoryGaugeList list;
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
