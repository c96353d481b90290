// Whatever the tree, the ticks and the files already in unused: after a
// pass, complete or stopped, every gauge file exists exactly once with its
// content unchanged, and the counts agree.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "support/recording_owner_window.h"
#include "support/simulator_tree.h"

namespace dalvorn {
namespace {

struct RandomCase {
    std::multiset<std::string> contents;  // every gauge file's content, before the pass
};

std::string RandomName(std::mt19937& random, int index)
{
    static const char* stems[] = {"Cessna", "radio", "ALT", "my gauge", "Bendix_King", "fuel"};
    std::string name = stems[random() % 6] + std::to_string(index);
    return name + (random() % 3 == 0 ? ".GAU" : ".gau");
}

RandomCase BuildTree(std::mt19937& random, test_support::SimulatorTree& tree)
{
    RandomCase built;
    const int gauges = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < gauges; ++i) {
        const std::string name = RandomName(random, i);
        const std::string content = "gauge " + std::to_string(i) + " " + name;
        tree.AddGauge(name, content);
        built.contents.insert(content);
        if (random() % 5 == 0) {
            const std::string older = "older " + content;
            std::string lowered = name;
            for (char& c : lowered)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            tree.WriteFile("Gauges/unused/" + lowered, older);
            built.contents.insert(older);
        }
        if (random() % 2 == 0)
            tree.WriteFile("Aircraft/plane" + std::to_string(random() % 3) + "/panel" + std::to_string(i) +
                               "/panel.cfg",
                           "gauge00=" + name.substr(0, name.size() - 4) + ",1\n");
    }
    return built;
}

std::multiset<std::string> ContentsNow(const test_support::SimulatorTree& tree)
{
    std::multiset<std::string> contents;
    for (const char* folder : {"Gauges", "Gauges/unused"})
        for (const std::string& name : tree.NamesIn(folder))
            if (name != "unused")
                contents.insert(tree.ReadFile(std::string(folder) + "/" + name));
    return contents;
}

TEST(MoveProperty, NoGaugeIsLostOrDuplicated)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        test_support::SimulatorTree tree;
        const RandomCase built = BuildTree(random, tree);
        test_support::RecordingOwnerWindow owner;
        GaugeUsageTable table;
        MemoryGaugeList list;
        ScanSimulatorFolder(tree.Files(), owner, tree.Root(), table, list);
        for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
            list.SetChecked(entry, random() % 2 == 0);
        const std::size_t before = list.Count();

        MoveSelectedGauges(tree.Files(), owner, tree.Root(), table, list);

        EXPECT_EQ(ContentsNow(tree), built.contents);
        if (owner.reports.empty()) {
            EXPECT_EQ(owner.ErrorHeadlines(), std::vector<std::string>{"Remove: Move Failed"});
        } else {
            const test_support::MoveReport& report = owner.reports[0];
            EXPECT_EQ(report.total, std::to_string(before));
            EXPECT_EQ(report.left, std::to_string(list.Count()));
            EXPECT_EQ(std::stoul(report.moved), std::stoul(report.total) - std::stoul(report.left));
        }
    }
}

}  // namespace
}  // namespace dalvorn
