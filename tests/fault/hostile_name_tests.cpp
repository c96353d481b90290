// Names on disk the program must not use as they are, natively and under
// Wine: a separator, drive colon or ".." (literal, or a look-alike that the
// ANSI code page turns into one), a device name, a byte sequence that is no
// name on Windows; and entries that are no regular file. Such gauges and
// folders are neither listed nor walked nor moved, every other gauge is
// handled as usual, and nothing outside the gauge folder changes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_restorer.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "core/plain_name.h"
#include "fault_injecting_file_system.h"
#include "support/gauge_list_text.h"
#include "support/recording_owner_window.h"
#include "support/simulator_tree.h"

namespace dalvorn {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

#ifdef _WIN32
// Windows refuses every look-alike; the host cannot write the other names.
constexpr bool kLookAlikesAreUsable = false;
#else
// On Linux a look-alike is an ordinary name: the file it names is moved.
constexpr bool kLookAlikesAreUsable = true;
#endif

struct HostileGauge {
    const char* name;  // UTF-8, or raw bytes on Linux
    bool usable;
};

const HostileGauge kHostileGauges[] = {
    {"..\xEF\xBC\xBC..\xEF\xBC\xBCvictim.gau", kLookAlikesAreUsable},  // fullwidth reverse solidus
    {"..\xEF\xBC\x8Fvictim.gau", kLookAlikesAreUsable},                // fullwidth solidus
    {"\xEF\xBD\x90lain.gau", kLookAlikesAreUsable},                    // fullwidth p, "plain.gau" in ANSI
#ifndef _WIN32
    {"..\\..\\victim.gau", false},
    {"c:victim.gau", false},
    {"aux.gau", false},
    {"CON.gau", false},
    {"com1.gau", false},
    {"Lpt9.old.gau", false},
    {"nul .gau", false},
    {"\x95\x5C.gau", false},  // Shift-JIS, second byte '\'
    {"\x82\xA0.gau", true},   // Shift-JIS, no separator byte
#endif
};

// Code page 932, whose double-byte characters may end in the byte '\'.
class ShiftJisFileSystem : public testing::FaultInjectingFileSystem {
public:
    using FaultInjectingFileSystem::FaultInjectingFileSystem;
    bool IsLeadByte(char byte) const override
    {
        const auto value = static_cast<unsigned char>(byte);
        return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
    }
};

TEST(PlainName, IsOneEntryOfTheFolderThatWindowsCanOpen)
{
    const struct {
        const char* name;
        bool plain;
        bool plainInShiftJis;
    } cases[] = {
        {"cessna.gau", true, true},       {"my gauge.gau", true, true},   {".hidden", true, true},
        {"", false, false},               {".", false, false},            {"..", false, false},
        {"a\\b.gau", false, false},       {"a/b.gau", false, false},      {"c:b.gau", false, false},
        {"a?.gau", false, false},         {"a*.gau", false, false},       {"a|\"<>.gau", false, false},
        {"tab\t.gau", false, false},      {"dot.", false, false},         {"space ", false, false},
        {"AUX", false, false},            {"aux.gau", false, false},      {"Con.tar.gau", false, false},
        {"nul .gau", false, false},       {"prn.", false, false},         {"COM1.gau", false, false},
        {"lpt9", false, false},           {"com0.gau", true, true},       {"com10.gau", true, true},
        {"auxiliary.gau", true, true},    {"lpt.gau", true, true},        {"\x95\x5C.gau", false, true},
        {"\x95\\..\\x.gau", false, false}, {"\x95", true, true},
    };
    testing::SimulatorTree tree;
    const ShiftJisFileSystem shiftJis(tree.Files());
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlainName(tree.Files(), c.name), c.plain) << c.name;
        EXPECT_EQ(IsPlainName(shiftJis, c.name), c.plainInShiftJis) << c.name;
    }
}

// The simulator folder is "sim" inside the tree, so that paths that climb
// out of its gauge folder still land inside the tree.
class HostileNames : public ::testing::Test {
protected:
    std::string Folder() const { return tree.PathOf("sim"); }
    fs::path Host(const std::string& utf8Path) const { return tree.HostPath("") / fs::u8path(utf8Path); }
    void Write(const std::string& utf8Path, const std::string& content)
    {
        fs::create_directories(Host(utf8Path).parent_path());
        std::ofstream(Host(utf8Path), std::ios::binary) << content;
    }
    std::string Read(const std::string& utf8Path) const
    {
        std::ifstream file(Host(utf8Path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    Lines SortedScan()
    {
        ScanSimulatorFolder(tree.Files(), owner, Folder(), table, list);
        Lines lines = testing::ListLines(list);
        std::sort(lines.begin(), lines.end());
        return lines;
    }
    // Every entry of the tree outside the gauge folder, with the content of
    // each file and the target of each link.
    std::map<fs::path, std::string> Outside() const
    {
        std::map<fs::path, std::string> entries;
        const fs::path gauges = Host("sim/Gauges");
        for (auto it = fs::recursive_directory_iterator(tree.HostPath("")); it != fs::recursive_directory_iterator();
             ++it) {
            if (it->path() == gauges) {
                it.disable_recursion_pending();
                continue;
            }
            const fs::path relative = it->path().lexically_relative(tree.HostPath(""));
            if (it->is_symlink())
                entries[relative] = "-> " + fs::read_symlink(it->path()).string();
            else
                entries[relative] = it->is_regular_file() ? Read(relative.u8string()) : "folder";
        }
        return entries;
    }

    testing::SimulatorTree tree;
    testing::RecordingOwnerWindow owner;
    GaugeUsageTable table;
    MemoryGaugeList list;
};

TEST_F(HostileNames, GaugesAreNeitherListedNorMovedAndNothingOutsideChanges)
{
    Write("victim.gau", "victim");
    Write("sim/Gauges/plain.gau", "plain");
    Lines expected{"[x] plain.gau (Used By: )"};
    for (const HostileGauge& gauge : kHostileGauges) {
        Write(std::string("sim/Gauges/") + gauge.name, gauge.name);
        if (gauge.usable)
            expected.push_back(std::string("[x] ") + gauge.name + " (Used By: )");
    }
    std::sort(expected.begin(), expected.end());
    const auto outside = Outside();

    EXPECT_EQ(SortedScan(), expected);
    MoveSelectedGauges(tree.Files(), owner, Folder(), table, list);
    EXPECT_EQ(owner.errors, Lines{});
    EXPECT_EQ(Read("sim/Gauges/unused/plain.gau"), "plain");
    for (const HostileGauge& gauge : kHostileGauges)
        EXPECT_EQ(Read((gauge.usable ? "sim/Gauges/unused/" : "sim/Gauges/") + std::string(gauge.name)), gauge.name)
            << gauge.name;
    EXPECT_EQ(Outside(), outside);
}

TEST_F(HostileNames, FoldersAndSpecialFilesAreNoGauges)
{
    Write("victim.gau", "victim");
    Write("sim/Gauges/plain.gau", "plain");
    Write("sim/Gauges/x.gau/inner.gau", "inner");
    Write("sim/Gauges/unused/y.gau/inner.gau", "inner");
    Lines expected{"[x] plain.gau (Used By: )"};
    Lines expectedUnused{"plain.gau", "y.gau"};
#ifndef _WIN32
    ASSERT_EQ(mkfifo(tree.PathOf("sim/Gauges/pipe.gau").c_str(), 0666), 0);
    fs::create_symlink("/dev/null", Host("sim/Gauges/null.gau"));
    fs::create_symlink("gone", Host("sim/Gauges/gone.gau"));
    fs::create_symlink("x.gau", Host("sim/Gauges/folder-link.gau"));
    fs::create_symlink(Host("victim.gau"), Host("sim/Gauges/link.gau"));  // counts as the file it leads to
    expected.insert(expected.begin(), "[x] link.gau (Used By: )");
    expectedUnused.insert(expectedUnused.begin(), "link.gau");
#endif
    const auto outside = Outside();

    EXPECT_EQ(SortedScan(), expected);
    MoveSelectedGauges(tree.Files(), owner, Folder(), table, list);
    EXPECT_EQ(owner.errors, Lines{});
    EXPECT_EQ(tree.NamesIn("sim/Gauges/unused"), expectedUnused);
    const RestoreResult restored = RestoreGauges(tree.Files(), Folder(), {});
    EXPECT_EQ(restored.restored, expected.size());
    EXPECT_TRUE(restored.failures.empty());
    EXPECT_EQ(tree.NamesIn("sim/Gauges/unused"), Lines{"y.gau"});
    EXPECT_EQ(Read("sim/Gauges/x.gau/inner.gau"), "inner");
    EXPECT_EQ(Outside(), outside);
}

// Each of these, taken as a path, re-enters the aircraft folder (or a
// sibling aircraft) at every level, inventing users and walking for ever.
TEST_F(HostileNames, FoldersNamedToClimbOutAreNotWalked)
{
    Write("sim/Gauges/plain.gau", "plain");
    Write("sim/Gauges/lear.gau", "lear");
    Write("sim/Aircraft/c172/panel.cfg", "gauge00=plain,1\n");
    Write("sim/Aircraft/lear/panel.cfg", "gauge00=lear,1\n");
    for (const char* name : {"..\xEF\xBC\xBC" "Aircraft", "..\xEF\xBC\xBC" "aircraft", "..\xEF\xBC\xBC" "AIRCRAFT",
                             "..\xEF\xBC\xBC" "AirCraft", "c172/..\xEF\xBC\xBC..\xEF\xBC\xBClear"})
        fs::create_directories(Host(std::string("sim/Aircraft/") + name));
#ifndef _WIN32
    for (const char* name : {"..\\Aircraft", "..\\aircraft", "c172/..\\..\\lear", "c172/.. ", "c172/aux"})
        fs::create_directories(Host(std::string("sim/Aircraft/") + name));
#endif
    EXPECT_EQ(SortedScan(), (Lines{"[ ] lear.gau (Used By: lear)", "[ ] plain.gau (Used By: c172)"}));
}

TEST_F(HostileNames, RestoreTakesNoKeyAndNoListedNameOutOfUnused)
{
    Write("v.gau", "outside");
    Write("sim/Gauges/unused/ok.gau", "ok");
    const std::string climber = "..\xEF\xBC\xBC..\xEF\xBC\xBC..\xEF\xBC\xBCv.gau";
    Write("sim/Gauges/unused/" + climber, "climber");
    const auto outside = Outside();

    const RestoreResult named = RestoreGauges(tree.Files(), Folder(), {"..\\..\\..\\v.gau", "../../../v.gau", "OK.GAU"});
    EXPECT_EQ(named.restored, 1u);
    ASSERT_EQ(named.failures.size(), 2u);
    EXPECT_EQ(named.failures[0].reason, kNotInUnused);
    EXPECT_EQ(named.failures[1].reason, kNotInUnused);
    EXPECT_EQ(Read("sim/Gauges/ok.gau"), "ok");

    EXPECT_EQ(RestoreGauges(tree.Files(), Folder(), {}).restored, kLookAlikesAreUsable ? 1u : 0u);
    EXPECT_EQ(Read((kLookAlikesAreUsable ? "sim/Gauges/" : "sim/Gauges/unused/") + climber), "climber");
    EXPECT_EQ(Outside(), outside);
}

// A list that did not come from a scan may hold any key.
TEST_F(HostileNames, MoveTurnsNoKeyThatIsNoPlainNameIntoAPath)
{
    Write("victim.gau", "victim");
    Write("sim/Gauges/plain.gau", "plain");
    for (const char* label : {"..\\..\\victim.gau (Used By: )", "../../victim.gau (Used By: )"}) {
        list.Clear();
        list.SetChecked(list.Append(label));
        owner.errors.clear();
        MoveSelectedGauges(tree.Files(), owner, Folder(), table, list);
        EXPECT_EQ(owner.errors, Lines{"Remove: Move Failed"}) << label;
    }
    EXPECT_EQ(Read("victim.gau"), "victim");
    EXPECT_EQ(tree.NamesIn("sim/Gauges/unused"), Lines{});
}

}  // namespace
}  // namespace dalvorn
