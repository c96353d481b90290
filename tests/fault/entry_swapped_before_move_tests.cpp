// What another program puts at a gauge's name after it was listed (while
// the command line waits at its question, or just before a restore moves
// it): a link moves as itself, anything else that is no file stops the
// move with the name and the reason and stays where it was.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/gauge_restorer.h"
#include "fault_injecting_file_system.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

namespace fs = std::filesystem;

class SwappingOwnerWindow : public test_support::RecordingOwnerWindow {
public:
    std::function<void()> meanwhile;
    bool AskYesNo(const std::string& text, const std::string& caption) override
    {
        meanwhile();
        return RecordingOwnerWindow::AskYesNo(text, caption);
    }
};

TEST(EntrySwappedBeforeMove, OnlyAFileOrALinkAsItselfMovesOrIsRestored)
{
    const std::pair<const char*, std::function<void(const test_support::SimulatorTree&, const std::string&)>> swaps[] = {
        {"it is a folder, not a gauge file", [](auto& tree, auto& path) { tree.MakeFolder(path); }},
        {"it is a named pipe, not a gauge file",
         [](auto& tree, auto& path) { ASSERT_EQ(mkfifo(tree.PathOf(path).c_str(), 0644), 0); }},
        {"", [](auto& tree, auto& path) { tree.MakeLink(path, tree.PathOf("elsewhere.gau")); }},
    };
    for (const auto& [reason, put] : swaps) {
        SCOPED_TRACE(*reason ? reason : "a link");
        const bool moves = !*reason;
        test_support::SimulatorTree tree;
        tree.AddGauge("bravo.gau", "bravo");
        tree.WriteFile("elsewhere.gau", "elsewhere");
        const auto swapAt = [&](const std::string& path) {
            fs::remove(tree.HostPath(path));
            put(tree, path);
        };
        SwappingOwnerWindow owner;
        owner.meanwhile = [&] { swapAt("Gauges/bravo.gau"); };
        GaugeUsageTable table;
        MemoryGaugeList list;
        ScanSimulatorFolder(tree.Files(), owner, tree.Root(), table, list);
        MoveSelectedGauges(tree.Files(), owner, tree.Root(), table, list);

        EXPECT_EQ(owner.errors.empty() ? "" : owner.errors[0],
                  moves ? "" : std::string("Remove: Move Failed\n\nbravo.gau: ") + reason);
        EXPECT_EQ(tree.Has("Gauges/unused/bravo.gau"), moves);

        fs::remove_all(tree.HostPath("Gauges/bravo.gau"));
        fs::remove(tree.HostPath("Gauges/unused/bravo.gau"));
        tree.AddGauge("unused/bravo.gau", "bravo");
        test_support::FaultInjectingFileSystem files(tree.Files());
        files.BeforeMoving(tree.PathOf("Gauges/unused/bravo.gau"), [&] { swapAt("Gauges/unused/bravo.gau"); });
        const RestoreResult result = RestoreGauges(files, tree.Root(), {});

        EXPECT_EQ(result.restored, moves ? 1u : 0u);
        EXPECT_EQ(result.failures.empty() ? "" : result.failures[0].reason,
                  moves ? "" : std::string(kRestoreMoveFailed) + ": " + reason);
        EXPECT_EQ(tree.Has("Gauges/bravo.gau"), moves);
        EXPECT_EQ(tree.ReadFile("elsewhere.gau"), "elsewhere");
    }
}

}  // namespace
}  // namespace dalvorn
