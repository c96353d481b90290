// Simulator trees no installer would make, on Windows and under Wine:
// folders beyond the Windows path limit (MAX_PATH, which the ANSI file
// functions cannot pass) and names that the ANSI code page cannot hold.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "support/gauge_list_text.h"
#include "support/recording_owner_window.h"
#include "support/simulator_tree.h"

namespace dalvorn {
namespace {

namespace fs = std::filesystem;
using testing::ListLines;
using Lines = std::vector<std::string>;

// A character the ANSI code page has no byte for, or 0 when it holds all
// the candidates.
wchar_t CharacterOutsideTheCodePage()
{
    for (const wchar_t candidate : {L'\x65E5', L'\x0416', L'\x05D0', L'\x0E01', L'\x10D0'}) {
        BOOL usedDefault = FALSE;
        char bytes[8];
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &candidate, 1, bytes, sizeof(bytes), nullptr, &usedDefault);
        if (usedDefault)
            return candidate;
    }
    return 0;
}

void WriteWide(const fs::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadWide(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class HostileTree : public ::testing::Test {
protected:
    Lines Scan(const std::string& folder)
    {
        ScanSimulatorFolder(tree.Files(), owner, folder, table, list);
        return ListLines(list);
    }

    testing::SimulatorTree tree;
    testing::RecordingOwnerWindow owner;
    GaugeUsageTable table;
    MemoryGaugeList list;
};

TEST_F(HostileTree, PanelsBeyondThePathLimitAreSkipped)
{
    tree.AddGauge("near.gau");
    tree.AddGauge("far.gau");
    const std::string step(40, 's');
    std::string relative = "Aircraft/deep";
    while (tree.PathOf(relative).size() + sizeof("\\panel.cfg") < MAX_PATH - step.size())
        relative += "/" + step;
    tree.WriteFile(relative + "/panel.cfg", "gauge00=near,1\n");
    for (int i = 0; i < 3; ++i)
        relative += "/" + step;
    ASSERT_GT(tree.PathOf(relative).size(), std::size_t(MAX_PATH));
    tree.WriteFile(relative + "/panel.cfg", "gauge00=far,1\n");
    ASSERT_EQ(tree.ReadFile(relative + "/panel.cfg"), "gauge00=far,1\n");
    EXPECT_EQ(Scan(tree.Root()), (Lines{"[x] far.gau (Used By: )", "[ ] near.gau (Used By: deep)"}));
}

TEST_F(HostileTree, SimulatorFolderBeyondThePathLimitIsNotFound)
{
    std::string relative = "sim";
    while (tree.PathOf(relative).size() <= MAX_PATH)
        relative += "/" + std::string(40, 'f');
    tree.WriteFile(relative + "/Gauges/a.gau", "a");
    EXPECT_EQ(Scan(tree.PathOf(relative)), Lines{});
    EXPECT_EQ(owner.errors, Lines{"Scan: Folder not found"});
    MoveSelectedGauges(tree.Files(), owner, tree.PathOf(relative), table, list);
    EXPECT_EQ(owner.errors, (Lines{"Scan: Folder not found", "Remove: FS2002 folder not found"}));
    EXPECT_EQ(tree.ReadFile(relative + "/Gauges/a.gau"), "a");
}

// The ANSI functions report such a name with '?' in place of the missing
// character: the gauge is listed under that name, and its move fails, since
// no file of that name exists. Its aircraft's folder cannot be entered.
TEST_F(HostileTree, NamesOutsideTheCodePageAreListedButNeitherMovedNorWalked)
{
    const wchar_t foreign = CharacterOutsideTheCodePage();
    if (foreign == 0)
        GTEST_SKIP() << "the ANSI code page holds every candidate character";
    tree.AddGauge("plain.gau", "plain bytes");
    const fs::path foreignGauge = tree.HostPath("Gauges") / (std::wstring(2, foreign) + L".gau");
    WriteWide(foreignGauge, "foreign bytes");
    const fs::path foreignAircraft = tree.HostPath("Aircraft") / std::wstring(1, foreign);
    fs::create_directories(foreignAircraft);
    WriteWide(foreignAircraft / "panel.cfg", "gauge00=plain,1\n");

    EXPECT_EQ(Scan(tree.Root()), (Lines{"[x] ??.gau (Used By: )", "[x] plain.gau (Used By: )"}));
    MoveSelectedGauges(tree.Files(), owner, tree.Root(), table, list);
    EXPECT_EQ(owner.ErrorHeadlines(), Lines{"Remove: Move Failed"});
    EXPECT_EQ(ReadWide(foreignGauge), "foreign bytes");
    EXPECT_EQ(tree.ReadFile("Gauges/plain.gau"), "plain bytes");
    EXPECT_EQ(list.Count(), 2u);
}

}  // namespace
}  // namespace dalvorn
