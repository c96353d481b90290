#pragma once
// The set-up the core commands' tests share: a simulator tree, an owner
// window that records, a usage table and a gauge list, and the Scan, Move
// and restore passes over them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_restorer.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "gauge_list_text.h"
#include "recording_owner_window.h"
#include "simulator_tree.h"

namespace dalvorn::test_support {

class SimulatorFixture : public testing::Test {
protected:
    // The file system the passes work through.
    virtual FileSystem& Files() { return tree.Files(); }

    // Scans `folderText` and gives the list as ListLines shows it.
    std::vector<std::string> Scan(const std::string& folderText)
    {
        ScanSimulatorFolder(Files(), owner, folderText, table, list);
        return ListLines(list);
    }
    std::vector<std::string> Scan() { return Scan(tree.Root()); }
    void Move(const std::string& folderText) { MoveSelectedGauges(Files(), owner, folderText, table, list); }
    void Move() { Move(tree.Root()); }
    // Brings every gauge in the unused folder back, as the command line does.
    std::size_t RestoreAll()
    {
        GaugeUsageTable unused;
        MemoryGaugeList all;
        if (!ScanUnusedGauges(Files(), owner, tree.Root(), unused, false))
            return 0;
        RenderUsageTable(Files(), unused, all);
        return RestoreSelectedGauges(Files(), owner, tree.Root(), all);
    }

    SimulatorTree tree;
    RecordingOwnerWindow owner;
    GaugeUsageTable table;
    MemoryGaugeList list;
};

}  // namespace dalvorn::test_support
