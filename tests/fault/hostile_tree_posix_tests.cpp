// Simulator trees no installer would make, on Linux: links that lead in
// circles at several depths, panel files that cannot be read or never end,
// folders nested beyond the longest usable path, and names that are no valid
// UTF-8.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "deep_folder_chain.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

namespace fs = std::filesystem;
using test_support::ListLines;
using Lines = std::vector<std::string>;

class HostileTree : public test_support::SimulatorFixture {
protected:
    void Link(const std::string& relativePath, const fs::path& target)
    {
        fs::create_directory_symlink(target, tree.HostPath(relativePath));
    }
    // Scans a tree whose only panel is `panel`, expecting the scan to end
    // with an error that names it, the list and busy state intact; gives the
    // cause the error tells.
    std::string CauseOfUnreadablePanel()
    {
        list.Append({"before", ""});
        Scan();
        EXPECT_EQ(ListLines(list), Lines{"[ ] before (Used By: )"});
        EXPECT_EQ(owner.busyDepth, 0);
        const std::optional<std::string> cause = owner.FileErrorCause("Scan", tree.PathOf("Aircraft/c172/panel.cfg"));
        EXPECT_TRUE(cause) << testing::PrintToString(owner.errors);
        owner.errors.clear();
        return cause.value_or("");
    }
};

TEST_F(HostileTree, LinksInCirclesAtSeveralDepthsAreWalkedOnce)
{
    for (const char* gauge : {"a.gau", "b.gau", "c.gau", "d.gau"})
        tree.AddGauge(gauge);
    tree.AddPanel("c172", "gauge00=a,1\n");
    tree.MakeFolder("Aircraft/c172/panel");
    Link("Aircraft/c172/self", ".");                      // depth 2, to itself
    Link("Aircraft/c172/panel/up", "..");                 // depth 3, to its parent
    Link("Aircraft/c172-again", "c172");                  // an aircraft that is another one
    tree.AddPanel("lear/x/y/z", "gauge00=b,1\n");
    Link("Aircraft/lear/x/y/z/top", "../../..");          // depth 5, to the aircraft
    tree.MakeFolder("Aircraft/lear/x/y/z/w");
    Link("Aircraft/lear/x/y/z/w/root", tree.HostPath("")); // depth 6, to the simulator folder
    tree.AddPanel("mooney/m2", "gauge00=c,1\n");
    tree.MakeFolder("Aircraft/mooney/m1");
    Link("Aircraft/mooney/m1/to2", "../m2");              // two folders leading into each other
    Link("Aircraft/mooney/m2/to1", "../m1");
    fs::create_symlink("loop", tree.HostPath("Aircraft/loop"));  // a link to itself leads nowhere

    // lear reaches every aircraft through the simulator folder, before
    // mooney's own walk: its name comes first in c.gau's users.
    EXPECT_EQ(Scan(), (Lines{"[ ] a.gau (Used By: c172, c172-again, lear)", "[ ] b.gau (Used By: lear)",
                             "[ ] c.gau (Used By: lear, mooney)", "[x] d.gau (Used By: )"}));
}

TEST_F(HostileTree, PanelThatIsANamedPipeIsNotWaitedFor)
{
    tree.MakeFolder("Aircraft/c172");
    ASSERT_EQ(mkfifo(tree.PathOf("Aircraft/c172/panel.cfg").c_str(), 0666), 0);
    EXPECT_EQ(CauseOfUnreadablePanel(), "Not a regular file");
}

// Files the kernel makes up as they are read: one never ends, one waits for
// ever, one fails; none is read at all.
TEST_F(HostileTree, PanelThatTheKernelMakesUpIsNotRead)
{
    for (const char* device : {"/dev/zero", "/proc/kmsg", "/proc/self/mem"}) {
        if (!fs::exists(device))
            continue;
        fs::remove_all(tree.HostPath("Aircraft"));
        tree.MakeFolder("Aircraft/c172");
        fs::create_symlink(device, tree.HostPath("Aircraft/c172/panel.cfg"));
        EXPECT_EQ(CauseOfUnreadablePanel(), "Not a regular file") << device;
        list.Clear();
    }
}

TEST_F(HostileTree, PanelThatIsADanglingLinkEndsTheScan)
{
    tree.MakeFolder("Aircraft/c172");
    fs::create_symlink("nowhere", tree.HostPath("Aircraft/c172/panel.cfg"));
    EXPECT_EQ(CauseOfUnreadablePanel(), "No such file or directory");
}

TEST_F(HostileTree, FolderBeyondTheLongestPathEndsTheScan)
{
    tree.AddGauge("near.gau");
    tree.AddGauge("far.gau");
    tree.MakeFolder("Aircraft");
    const test_support::DeepFolderChain chain(tree.PathOf("Aircraft"), std::string(240, 'n'), 24);
    chain.WriteFile(8, "panel.cfg", "gauge00=near,1\n");
    chain.WriteFile(24, "panel.cfg", "gauge00=far,1\n");
    int firstTooDeep = 1;
    while (chain.PathAt(firstTooDeep).size() < 4096)
        ++firstTooDeep;
    list.Append({"before", ""});
    Scan();
    EXPECT_EQ(owner.FileErrorCause("Scan", chain.PathAt(firstTooDeep)), "File name too long")
        << testing::PrintToString(owner.errors);
    EXPECT_EQ(ListLines(list), Lines{"[ ] before (Used By: )"});
}

TEST_F(HostileTree, TwoThousandNestedFoldersAreWalkedToTheBottom)
{
    tree.AddGauge("bottom.gau");
    tree.MakeFolder("Aircraft/tall");
    const int depth = 2000;
    const test_support::DeepFolderChain chain(tree.PathOf("Aircraft/tall"), "d", depth);
    ASSERT_LT(chain.PathAt(depth).size() + sizeof("/panel.cfg"), 4096u);
    chain.WriteFile(depth, "panel.cfg", "gauge00=bottom,1\n");
    EXPECT_EQ(Scan(), Lines{"[ ] bottom.gau (Used By: tall)"});
}

// A name that is no valid UTF-8 is Windows-1252, as copies from old archives
// are named: its key is that text in UTF-8, so a panel line naming it in the
// same bytes uses it. A move and a restore keep every byte of the name.
TEST_F(HostileTree, NamesThatAreNoValidUtf8AreWindows1252AndComeBackByteForByte)
{
    tree.AddGauge("\x83\x41\x83\x69.GAU", "bytes read as fAfi");
    tree.AddGauge("\xFF\xFE.gau", "used bytes");
    tree.AddGauge("\xC0.GAU", "more bytes");
    tree.AddPanel("\xE9t\xE9", "gauge00=\xFF\xFE!x,1\n");
    EXPECT_EQ(Scan(), (Lines{"[x] \xC3\xA0.gau (Used By: )", "[ ] \xC3\xBF\xC3\xBE.gau (Used By: \xE9t\xE9)",
                             "[x] \xC6\x92" "a\xC6\x92i.gau (Used By: )"}));
    Move();
    EXPECT_EQ(owner.errors, Lines{});
    EXPECT_EQ(tree.NamesIn("Gauges/unused"), (Lines{"\x83\x41\x83\x69.GAU", "\xC0.GAU"}));
    EXPECT_EQ(RestoreAll(), 2u);
    EXPECT_EQ(tree.NamesIn("Gauges"), (Lines{"unused", "\x83\x41\x83\x69.GAU", "\xC0.GAU", "\xFF\xFE.gau"}));
    EXPECT_EQ(tree.ReadFile("Gauges/\x83\x41\x83\x69.GAU"), "bytes read as fAfi");
    EXPECT_EQ(tree.ReadFile("Gauges/\xFF\xFE.gau"), "used bytes");
}

}  // namespace
}  // namespace dalvorn
