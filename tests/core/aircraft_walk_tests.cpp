// The walk below an aircraft folder finds each panel.cfg in the listing it
// makes anyway, and asks for folder identities only where a loop can start.
// These cases pin down that it reads every panel file a folder holds, and
// that it ends on any loop without leaving a folder it cannot tell apart.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/aircraft_panels.h"
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

// The simulator folder "sim" holds the one aircraft "c172", whose folders
// the file system's functions describe.
std::vector<DirectoryEntry> AircraftC172(const std::string& folder)
{
    if (folder == "sim/Aircraft")
        return {{".", true, true}, {"..", true, true}, {"c172", true, true}};
    return {};
}

// The names each panel gives, joined by " ".
std::string GaugesNamed(const ScriptedFileSystem& files)
{
    std::string names;
    PanelGaugeVisitor visit;
    visit.gauge = [&names](const std::string&, const std::string&, const std::string& name) { names += name + " "; };
    ForEachPanelGauge(files, "sim", visit);
    return names;
}

TEST(AircraftWalk, EndsOnALoopNoPlatformReportsAsALink)
{
    // Every folder holds a plain sub-folder that is the folder itself again,
    // as a bind mount of an ancestor or a link followed by a file server
    // would show it.
    ScriptedFileSystem files;
    files.list = [](const std::string& folder) {
        if (folder == "sim/Aircraft")
            return AircraftC172(folder);
        return std::vector<DirectoryEntry>{
            {".", true, true}, {"..", true, true}, {"again", true, true}, {"panel.cfg", false, false}};
    };
    files.isFile = [](const std::string& path) { return EndsWith(path, "/panel.cfg"); };
    files.identify = [](const std::string&) { return FolderIdentity{1, 1}; };
    files.panelText = "gauge00=loop,1\n";

    EXPECT_EQ(GaugesNamed(files).substr(0, 5), "loop ");
    EXPECT_LT(files.panelsOpened, 20);
}

// Under Wine every folder of the host's drive has the same volume, and one
// on another file system may have the same index: identities that say so
// never make the walk leave a folder, and a loop of links still ends.
TEST(AircraftWalk, IdentitiesWithoutTheVolumeNeverSkipAFolder)
{
    ScriptedFileSystem files;
    files.list = [](const std::string& folder) {
        if (folder == "sim/Aircraft")
            return AircraftC172(folder);
        if (folder == "sim/Aircraft/c172")
            return std::vector<DirectoryEntry>{{"panel", true, false}};
        return std::vector<DirectoryEntry>{{"panel.cfg", false, false}, {"up", true, false}};
    };
    files.isFile = [](const std::string& path) { return EndsWith(path, "/panel.cfg"); };
    FolderIdentity sameForAll{1, 1};
    sameForAll.includesVolume = false;
    files.identify = [sameForAll](const std::string&) { return sameForAll; };
    files.panelText = "gauge00=linked,1\n";

    EXPECT_EQ(GaugesNamed(files), "linked ");
}

TEST(AircraftWalk, FolderThatListsNothingStillHasItsPanelLookedUp)
{
    // A folder that cannot be listed may still let a file in it be opened.
    ScriptedFileSystem files;
    files.list = AircraftC172;
    files.isFile = [](const std::string& path) {
        return path == "sim/Aircraft/c172/panel.cfg" || path == "sim/Aircraft/c172";
    };
    files.identify = [](const std::string&) { return std::nullopt; };
    files.panelText = "gauge00=hidden,1\n";

    EXPECT_EQ(GaugesNamed(files), "hidden ");
}

// Where letter case tells names apart, a folder can hold panel.cfg in
// several spellings; which one the simulator reads depends on how it runs,
// so every one is read.
class PanelSpellings : public testing::Test {
protected:
    // Writes a panel under each spelling, each naming the gauge
    // "PANEL.CFG" names "p_a_n_e_l_.c_f_g_", and gives the gauges the scan
    // finds used, joined by " ".
    std::string UsedGauges(const std::vector<std::string>& spellings)
    {
        for (const std::string& name : spellings) {
            tree.WriteFile("Aircraft/c172/" + name, "gauge00=" + Key(name) + ",1\n");
            tree.AddGauge(Key(name) + ".gau");
        }
        std::string used;
        const GaugeUsageTable table = UsageOfGaugesIn(tree.Files(), tree.Root(), tree.PathOf("Gauges"));
        for (const std::string& name : spellings)
            if (!table.Users(tree.Files().Names().LowerCase(Key(name) + ".gau")).empty())
                used += Key(name) + " ";
        return used;
    }

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

    test_support::SimulatorTree tree;
};

TEST_F(PanelSpellings, EverySpellingIsRead)
{
    const std::string used = UsedGauges({"PANEL.CFG", "panel.cfg", "Panel.cfg"});
    if (!SpellingsCoexist())
        GTEST_SKIP() << "this file system ignores letter case";
    EXPECT_EQ(used, "p_a_n_e_l_.c_f_g_ panel.cfg p_anel.cfg ");
}

TEST_F(PanelSpellings, OneSpellingInAnyCaseIsRead)
{
    EXPECT_EQ(UsedGauges({"pAnEl.CfG"}), "pa_ne_l.c_fg_ ");
}

}  // namespace
}  // namespace dalvorn
