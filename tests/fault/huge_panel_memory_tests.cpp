// A 100 MB panel.cfg without a line end is read in a child process, whose
// peak memory must stay far below the size of that one line.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "core/folder_scan.h"
#include "core/gauge_usage_table.h"
#include "support/simulator_tree.h"

#if defined(__SANITIZE_ADDRESS__)
#define DALVORN_UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DALVORN_UNDER_ADDRESS_SANITIZER 1
#endif
#endif

namespace dalvorn {
namespace {

const std::size_t kLineBytes = 100u << 20;

const std::size_t kPeakLimit = 48u << 20;

// `start`, then "gauge00=", blanks, `name`, blanks, "," and the line's end:
// the name is found only by trimming both runs of blanks.
void WriteHugeLinePanel(const test_support::SimulatorTree& tree, std::size_t bytes, const std::string& start,
                        const std::string& name)
{
    std::ofstream file(tree.HostPath("Aircraft/c172/panel.cfg"), std::ios::binary);
    file << start;
    std::string block(1 << 20, ' ');
    for (std::size_t i = 0; i < block.size(); i += 3)
        block[i] = '\t';
    file << "gauge00=";
    for (std::size_t written = 0; written < bytes; written += block.size()) {
        if (written == bytes / 2)
            file << name;
        file.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    file << ",";
}

// Runs `work` in a child process; its exit status, and the child's peak
// resident memory in bytes.
template <typename Work>
std::pair<int, std::size_t> RunInChild(Work work)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = -1;
    waitpid(child, &status, 0);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128, static_cast<std::size_t>(usage.ru_maxrss) * 1024};
}

void ExpectReadInLittleMemory(test_support::SimulatorTree& tree)
{
    tree.AddGauge("huge.gau");
    const auto [status, peak] = RunInChild([&tree] {
        const GaugeUsageTable table = UsageOfGaugesIn(tree.Files(), tree.Root(), tree.PathOf("Gauges"));
        return table.Users("huge.gau") == "c172" ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "the gauge the line names was not found";
#ifdef DALVORN_UNDER_ADDRESS_SANITIZER
    // The sanitizer's quarantine and shadow memory make the peak meaningless.
    (void)peak;
#else
    EXPECT_LT(peak, kPeakLimit) << "peak " << (peak >> 20) << " MB";
#endif
}

// Also when the line's name uses a string the panel defines.
TEST(HugePanelMemory, OneLineOf100MegabytesIsReadInLittleMemory)
{
    for (const auto& [start, name] : {std::pair<std::string, std::string>{"", "huge"}, {"[Strings]\nh=huge\n", "%H%"}}) {
        test_support::SimulatorTree tree;
        tree.MakeFolder("Aircraft/c172");
        WriteHugeLinePanel(tree, kLineBytes, start, name);
        ExpectReadInLittleMemory(tree);
    }
}

}  // namespace
}  // namespace dalvorn
