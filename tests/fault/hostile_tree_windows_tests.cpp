// Simulator trees no installer would make, on Windows and under Wine:
// panels near and beyond the Windows path limit (MAX_PATH, which the ANSI
// file functions cannot pass), names that the ANSI code page cannot hold,
// and folders whose identities Wine cannot tell apart.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

namespace fs = std::filesystem;
using test_support::ListLines;
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

// Wine gives every file system of the host one volume serial and the
// inode's number as the file index, so its identities cannot tell two
// folders of different file systems apart: they must say so.
TEST(FolderIdentity, UnderWineItDoesNotTellVolumesApart)
{
    const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    test_support::SimulatorTree tree;
    const std::optional<FolderIdentity> identity = tree.Files().IdentifyFolder(tree.Root());
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->includesVolume, !underWine);
}

using HostileTree = test_support::SimulatorFixture;

// A panel whose path reaches past the limit, or lies in a folder that cannot
// be listed for the length of its path, ends the scan: skipped, its gauges
// would look unused.
TEST(PathLimit, PanelNearTheLimitIsReadOrEndsTheScan)
{
    for (std::size_t length = MAX_PATH - 12; length <= MAX_PATH + 12; ++length) {
        test_support::SimulatorTree tree;
        tree.AddGauge("a.gau");
        const std::size_t shortest = tree.PathOf("Aircraft/c172/x/panel.cfg").size();
        const std::string folder = "Aircraft/c172/" + std::string(length - shortest + 1, 'f');
        tree.WriteFile(folder + "/panel.cfg", "gauge00=a,1\n");
        const std::string panelPath = tree.PathOf(folder + "/panel.cfg");
        ASSERT_EQ(panelPath.size(), length);
        test_support::RecordingOwnerWindow owner;
        GaugeUsageTable table;
        MemoryGaugeList list;
        ScanSimulatorFolder(tree.Files(), owner, tree.Root(), table, list);
        if (owner.errors.empty()) {
            EXPECT_EQ(ListLines(list), Lines{"[ ] a.gau (Used By: c172)"}) << "panel path of " << length;
            continue;
        }
        // "Scan: Cannot read PATH: CAUSE", PATH the panel's or a folder's on its way
        const std::string prefix = "Scan: Cannot read ";
        const std::string& error = owner.errors[0];
        const std::size_t pathEnd = error.rfind(": ");
        ASSERT_EQ(error.rfind(prefix, 0), 0u) << error;
        ASSERT_GT(pathEnd, prefix.size()) << error;
        EXPECT_EQ(panelPath.compare(0, pathEnd - prefix.size(), error, prefix.size(), pathEnd - prefix.size()), 0)
            << error;
        EXPECT_GE(length, std::size_t(MAX_PATH)) << error;
    }
}

TEST_F(HostileTree, SimulatorFolderBeyondThePathLimitIsNotFound)
{
    std::string relative = "sim";
    while (tree.PathOf(relative).size() <= MAX_PATH)
        relative += "/" + std::string(40, 'f');
    tree.WriteFile(relative + "/Gauges/a.gau", "a");
    EXPECT_EQ(Scan(tree.PathOf(relative)), Lines{});
    EXPECT_EQ(owner.errors, Lines{"Scan: Folder not found"});
    Move(tree.PathOf(relative));
    EXPECT_EQ(owner.errors, (Lines{"Scan: Folder not found", "Remove: FS2002 folder not found"}));
    EXPECT_EQ(tree.ReadFile(relative + "/Gauges/a.gau"), "a");
}

// The ANSI functions would report such a name with '?' in place of the
// missing character, a name that leads to no file: the gauge is not listed,
// so the move of the others goes ahead, and its aircraft is not walked.
TEST_F(HostileTree, NamesOutsideTheCodePageAreNeitherListedNorMovedNorWalked)
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

    EXPECT_EQ(Scan(tree.Root()), Lines{"[x] plain.gau (Used By: )"});
    Move();
    EXPECT_EQ(owner.errors, Lines{});
    EXPECT_EQ(ReadWide(foreignGauge), "foreign bytes");
    EXPECT_EQ(tree.ReadFile("Gauges/unused/plain.gau"), "plain bytes");
    EXPECT_EQ(list.Count(), 0u);
}

}  // namespace
}  // namespace dalvorn
