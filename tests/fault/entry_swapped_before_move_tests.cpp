// What another program puts at a gauge's name after the scan listed it (while
// the command line waits at its question, or just before a restore moves
// it): only a file moves, a link as itself, and anything else stops the pass
// with the name and the reason, left where it was.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/gauge_restorer.h"
#include "fault_injecting_file_system.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

namespace fs = std::filesystem;
using test_support::SimulatorTree;

// Answers the question only after another program has had its turn.
class SwappingOwnerWindow : public test_support::RecordingOwnerWindow {
public:
    std::function<void()> meanwhile;
    bool AskYesNo(const std::string& text, const std::string& caption) override
    {
        meanwhile();
        return RecordingOwnerWindow::AskYesNo(text, caption);
    }
};

struct Swap {
    const char* what;
    std::function<void(const SimulatorTree&, const std::string&)> put;
    const char* reason;  // empty: the entry moves, as itself
};

const Swap kSwaps[] = {
    {"a folder", [](auto& tree, auto& path) { tree.MakeFolder(path); }, "it is a folder, not a gauge file"},
    {"a named pipe", [](auto& tree, auto& path) { ASSERT_EQ(mkfifo(tree.PathOf(path).c_str(), 0644), 0); },
     "it is a named pipe, not a gauge file"},
    {"a link to a file elsewhere", [](auto& tree, auto& path) { tree.MakeLink(path, tree.PathOf("elsewhere.gau")); },
     ""},
};

void SwapIn(const SimulatorTree& tree, const Swap& swap, const std::string& path)
{
    fs::remove(tree.HostPath(path));
    swap.put(tree, path);
}

TEST(EntrySwappedBeforeMove, OnlyAFileOrALinkAsItselfIsMoved)
{
    for (const Swap& swap : kSwaps) {
        SCOPED_TRACE(swap.what);
        SimulatorTree tree;
        tree.AddGauges({{"alpha.gau", "alpha"}, {"bravo.gau", "bravo"}});
        tree.WriteFile("elsewhere.gau", "elsewhere");
        SwappingOwnerWindow owner;
        owner.meanwhile = [&] { SwapIn(tree, swap, "Gauges/bravo.gau"); };
        GaugeUsageTable table;
        MemoryGaugeList list;
        ScanSimulatorFolder(tree.Files(), owner, tree.Root(), table, list);

        MoveSelectedGauges(tree.Files(), owner, tree.Root(), table, list);

        const std::string moved = *swap.reason ? "" : "bravo.gau";
        EXPECT_EQ(fs::exists(fs::symlink_status(tree.HostPath("Gauges/unused/bravo.gau"))), !moved.empty());
        EXPECT_EQ(fs::exists(fs::symlink_status(tree.HostPath("Gauges/bravo.gau"))), moved.empty());
        EXPECT_EQ(owner.errors, *swap.reason ? std::vector<std::string>{std::string("Remove: Move Failed\n\nbravo.gau: ") +
                                                                         swap.reason}
                                             : std::vector<std::string>{});
        EXPECT_EQ(tree.ReadFile("elsewhere.gau"), "elsewhere");
    }
}

TEST(EntrySwappedBeforeMove, RestoreSaysWhyItLeftTheEntry)
{
    for (const Swap& swap : kSwaps) {
        SCOPED_TRACE(swap.what);
        SimulatorTree tree;
        tree.AddGauge("unused/bravo.gau", "bravo");
        tree.WriteFile("elsewhere.gau", "elsewhere");
        test_support::FaultInjectingFileSystem files(tree.Files());
        files.BeforeMoving(tree.PathOf("Gauges/unused/bravo.gau"),
                           [&] { SwapIn(tree, swap, "Gauges/unused/bravo.gau"); });

        const RestoreResult result = RestoreGauges(files, tree.Root(), {});

        EXPECT_EQ(result.restored, *swap.reason ? 0u : 1u);
        ASSERT_EQ(result.failures.size(), *swap.reason ? 1u : 0u);
        if (*swap.reason) {
            EXPECT_EQ(result.failures[0].reason, std::string(kRestoreMoveFailed) + ": " + swap.reason);
            EXPECT_TRUE(fs::exists(fs::symlink_status(tree.HostPath("Gauges/unused/bravo.gau"))));
        }
        EXPECT_EQ(tree.ReadFile("elsewhere.gau"), "elsewhere");
    }
}

}  // namespace
}  // namespace dalvorn
