// The walk below an aircraft folder finds each panel.cfg in the listing it
// makes anyway, and asks for folder identities only where a loop can start.
// These cases pin down that it reads exactly what looking each path up
// would read, and that it ends on any loop.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/folder_scan.h"
#include "core/gauge_usage_table.h"
#include "core/panel_config_reader.h"
#include "support/fake_file_system.h"
#include "support/memory_file.h"
#include "support/simulator_tree.h"

namespace dalvorn {
namespace {

// Folders and files described by functions of the path, so that a test can
// build trees no real file system holds.
class ScriptedFileSystem : public test_support::FakeFileSystem {
public:
    std::function<std::vector<DirectoryEntry>(const std::string& folder)> list;
    std::function<bool(const std::string& path)> isFile;
    std::function<std::optional<FolderIdentity>(const std::string& folder)> identify;
    std::string panelText;
    mutable int panelsOpened = 0;

    bool Exists(const std::string& path) const override { return isFile(path); }
    void Enumerate(const std::string& folder, const EntryVisitor& visit) const override
    {
        for (const DirectoryEntry& entry : list(folder))
            visit(entry);
    }
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override
    {
        if (!isFile(path))
            return FakeFileSystem::OpenForReading(path);
        ++panelsOpened;
        return std::make_unique<test_support::MemoryFile>(panelText);
    }
    std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const override { return identify(path); }
};

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(AircraftWalk, EndsOnALoopNoPlatformReportsAsALink)
{
    // Every folder holds a plain sub-folder that is the folder itself again,
    // as a bind mount of an ancestor or a link followed by a file server
    // would show it.
    ScriptedFileSystem files;
    files.list = [](const std::string&) {
        return std::vector<DirectoryEntry>{
            {".", true, true}, {"..", true, true}, {"again", true, true}, {"panel.cfg", false, false}};
    };
    files.isFile = [](const std::string& path) { return EndsWith(path, "/panel.cfg"); };
    files.identify = [](const std::string&) { return FolderIdentity{1, 1}; };
    files.panelText = "gauge00=loop,1\n";
    GaugeUsageTable table;
    table.ResetGauge("loop.gau");

    WalkAircraftFolder(files, "c172", "air/c172", table);

    EXPECT_EQ(table.Users("loop.gau"), "c172");
    EXPECT_LT(files.panelsOpened, 20);
}

TEST(AircraftWalk, FolderThatListsNothingStillHasItsPanelLookedUp)
{
    // A folder that cannot be listed may still let a file in it be opened.
    ScriptedFileSystem files;
    files.list = [](const std::string&) { return std::vector<DirectoryEntry>{}; };
    files.isFile = [](const std::string& path) { return path == "air/c172/panel.cfg" || path == "air/c172"; };
    files.identify = [](const std::string&) { return std::nullopt; };
    files.panelText = "gauge00=hidden,1\n";
    GaugeUsageTable table;
    table.ResetGauge("hidden.gau");

    WalkAircraftFolder(files, "c172", "air/c172", table);

    EXPECT_EQ(table.Users("hidden.gau"), "c172");
}

// Where letter case tells names apart, a folder can hold panel.cfg in
// several spellings; the walk must read the one a lookup of the path reads.
class PanelSpellings : public testing::Test {
protected:
    void WritePanel(const std::string& name)
    {
        tree.WriteFile("Aircraft/c172/" + name, "gauge00=" + Key(name) + ",1\n");
        table.ResetGauge(Key(name) + ".gau");
    }

    // The gauge a spelling's panel names: "PANEL.CFG" names "p_a_n_e_l_.c_f_g_".
    static std::string Key(const std::string& name)
    {
        std::string key;
        for (const char c : name)
            key += AsciiLower(c) == c ? std::string(1, c) : std::string(1, AsciiLower(c)) + "_";
        return key;
    }

    bool SpellingsCoexist()
    {
        const std::vector<std::string> names = tree.NamesIn("Aircraft/c172");
        return std::count_if(names.begin(), names.end(), IsPanelFileName) > 1;
    }

    // Which spelling's gauge the walk credits, and which the lookup does.
    std::pair<std::string, std::string> ReadByWalkAndByLookup()
    {
        const std::string folder = tree.PathOf("Aircraft/c172");
        GaugeUsageTable byLookup = table;
        WalkAircraftFolder(tree.Files(), "c172", folder, table);
        ReadPanelConfiguration(tree.Files(), folder, "c172", byLookup);
        return {UsedGauge(table), UsedGauge(byLookup)};
    }

    static std::string UsedGauge(const GaugeUsageTable& usage)
    {
        std::string used;
        usage.ForEach([&used](const std::string& key, const std::string& users) {
            if (!users.empty())
                used += key;
        });
        return used;
    }

    test_support::SimulatorTree tree;
    GaugeUsageTable table;
};

TEST_F(PanelSpellings, ExactSpellingWins)
{
    WritePanel("PANEL.CFG");
    WritePanel("panel.cfg");
    WritePanel("Panel.cfg");
    if (!SpellingsCoexist())
        GTEST_SKIP() << "this file system ignores letter case";
    const auto [byWalk, byLookup] = ReadByWalkAndByLookup();
    EXPECT_EQ(byWalk, "panel.cfg.gau");
    EXPECT_EQ(byWalk, byLookup);
}

TEST_F(PanelSpellings, OtherwiseTheFirstInFolderOrder)
{
    WritePanel("Panel.cfg");
    WritePanel("PANEL.CFG");
    if (!SpellingsCoexist())
        GTEST_SKIP() << "this file system ignores letter case";
    const auto [byWalk, byLookup] = ReadByWalkAndByLookup();
    EXPECT_EQ(byWalk, "p_a_n_e_l_.c_f_g_.gau");
    EXPECT_EQ(byWalk, byLookup);
}

TEST_F(PanelSpellings, OneSpellingInAnyCaseIsRead)
{
    WritePanel("pAnEl.CfG");
    const auto [byWalk, byLookup] = ReadByWalkAndByLookup();
    EXPECT_EQ(byWalk, "pa_ne_l.c_fg_.gau");
    EXPECT_EQ(byWalk, byLookup);
}

}  // namespace
}  // namespace dalvorn
