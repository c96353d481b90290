// Which names found on disk, or taken from a list, may become part of a
// path. Trees with hostile names made on the host are in
// hostile_trees_made_on_the_host, natively and under Wine.

#include <gtest/gtest.h>

#include "core/plain_name.h"
#include "fault_injecting_file_system.h"
#include "support/fake_file_system.h"
#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using Lines = std::vector<std::string>;

// Code page 932, whose double-byte characters may end in the byte '\'.
class ShiftJisNaming : public test_support::FakeNaming {
public:
    bool IsLeadByte(char byte) const override
    {
        const auto value = static_cast<unsigned char>(byte);
        return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
    }
};

class ShiftJisFileSystem : public test_support::FaultInjectingFileSystem {
public:
    using FaultInjectingFileSystem::FaultInjectingFileSystem;
    const Naming& Names() const override { return naming_; }

private:
    ShiftJisNaming naming_;
};

using PlainName = test_support::SimulatorFixture;

TEST_F(PlainName, IsOneEntryOfTheFolderThatWindowsCanOpen)
{
    const struct {
        const char* name;
        bool plain;
        bool plainInShiftJis;
    } cases[] = {
        {"my gauge.gau", true, true},  {"..", false, false},          {"a\\b.gau", false, false},
        {"a/b.gau", false, false},     {"c:b.gau", false, false},      {"a?*|\"<>\t.gau", false, false},
        {"dot.", false, false},        {"space ", false, false},       {"Con.tar.gau", false, false},
        {"nul .gau", false, false},    {"COM1.gau", false, false},     {"com0.gau", true, true},
        {"\x95\x5C.gau", false, true},  {"\x95\\..\\x.gau", false, false},
    };
    const ShiftJisFileSystem shiftJis(tree.Files());
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlainName(tree.Files(), c.name), c.plain) << c.name;
        EXPECT_EQ(IsPlainName(shiftJis, c.name), c.plainInShiftJis) << c.name;
    }
}

// Folders are only read: every name that leads to the entry itself is
// walked, device names, trailing blanks and dots included.
TEST_F(PlainName, FolderIsWalkedUnlessItsNameLeadsOut)
{
    const struct {
        const char* name;
        bool exact;
        bool stays;
        bool staysInShiftJis;
    } cases[] = {
        {"Con.Air", true, true, true},    {"Cessna ", true, true, true},  {"aux", true, true, true},
        {"dot.", true, true, true},       {"c:b", true, true, true},      {"a?*", true, true, true},
        {"", true, false, false},         {".", true, false, false},      {"..", true, false, false},
        {"a\\b", true, false, false},     {"a/b", true, false, false},    {"\x95\x5C", true, false, true},
        {"\x95\\..\\x", true, false, false}, {"look-alike", false, false, false},
    };
    const ShiftJisFileSystem shiftJis(tree.Files());
    for (const auto& c : cases) {
        DirectoryEntry entry;
        entry.name = c.name;
        entry.nameIsExact = c.exact;
        EXPECT_EQ(StaysInItsFolder(tree.Files(), entry), c.stays) << c.name;
        EXPECT_EQ(StaysInItsFolder(shiftJis, entry), c.staysInShiftJis) << c.name;
    }
}

// A list that did not come from a scan may hold any key.
TEST_F(PlainName, MoveTurnsNoOtherKeyIntoAPath)
{
    tree.WriteFile("victim.gau", "victim");
    tree.WriteFile("sim/Gauges/plain.gau", "plain");
    for (const char* key : {"..\\..\\victim.gau", "../../victim.gau"}) {
        list.SetChecked(list.Append({key, ""}), true);
        Move(tree.PathOf("sim"));
        list.Clear();
    }
    EXPECT_EQ(owner.ErrorHeadlines(), (Lines{"Remove: Move Failed", "Remove: Move Failed"}));
    EXPECT_EQ(tree.ReadFile("victim.gau"), "victim");
    EXPECT_EQ(tree.NamesIn("sim/Gauges/unused"), Lines{});
}

}  // namespace
}  // namespace dalvorn
