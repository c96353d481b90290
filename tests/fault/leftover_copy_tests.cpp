// Partial copies that a killed move between volumes left behind: the next
// pass removes its own, which lose nothing, and never a user's file that
// only shares their kind of name.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file_system.h"
#include "platform/native_file_system.h"
#include "platform/win32/leftover_copies.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

using Paths = std::vector<std::string>;

const std::string kGauge = "alpha bytes";
// Beyond one buffer of the comparison, so that a later part decides.
const std::string kLargeGauge = std::string(200000, 'g') + "end";

// Paths below the simulator's Gauges folder.
struct LeftoverCase {
    const char* what;
    const char* copy;
    std::string copyContent;
    const char* gauge;  // nullptr: none
    std::string gaugeContent;
    bool removed;
};

const LeftoverCase kLeftoverCases[] = {
    {"first bytes of the gauge", "unused/alpha.gau.moving", "alpha", "alpha.gau", kGauge, true},
    {"nothing copied yet", "unused/alpha.gau.moving", "", "alpha.gau", kGauge, true},
    {"whole copy under a numbered name", "unused/alpha.gau.moving7", kGauge, "alpha.gau", kGauge, true},
    {"gauge spelt in another case", "unused/alpha.gau.moving", "alpha", "ALPHA.GAU", kGauge, true},
    {"copy of a restore, in Gauges", "alpha.gau.moving", "alpha", "unused/alpha.gau", kGauge, true},
    {"large copy", "unused/alpha.gau.moving", kLargeGauge.substr(0, 150000), "alpha.gau", kLargeGauge, true},
    {"large file differing late", "unused/alpha.gau.moving", kLargeGauge.substr(0, 150000) + "x", "alpha.gau",
     kLargeGauge, false},
    {"other bytes", "unused/alpha.gau.moving", "alpine", "alpha.gau", kGauge, false},
    {"longer than the gauge", "unused/alpha.gau.moving", kGauge + " and more", "alpha.gau", kGauge, false},
    {"no gauge of that name", "unused/alpha.gau.moving", "alpha", nullptr, "", false},
    {"gauge in the same folder only", "unused/alpha.gau.moving", "alpha", "unused/alpha.gau", kGauge, false},
    {"number never used", "unused/alpha.gau.moving100", "alpha", "alpha.gau", kGauge, false},
    {"number with a leading zero", "unused/alpha.gau.moving07", "alpha", "alpha.gau", kGauge, false},
    {"letters after the suffix", "unused/alpha.gau.movingx", "alpha", "alpha.gau", kGauge, false},
    {"no gauge's name", "unused/alpha.txt.moving", "alpha", "alpha.txt", kGauge, false},
};

TEST(LeftoverCopies, OnlyTheProgramsOwnAreRemoved)
{
    for (const LeftoverCase& test : kLeftoverCases) {
        SCOPED_TRACE(test.what);
        test_support::TemporaryFolder tree;
        const std::string copy = std::string("Gauges/") + test.copy;
        tree.WriteFile(copy, test.copyContent);
        tree.MakeFolder("Gauges/unused");
        if (test.gauge)
            tree.WriteFile(std::string("Gauges/") + test.gauge, test.gaugeContent);

        const Paths removed = RemoveLeftoverCopies(tree.PathOf("Gauges"), tree.PathOf("Gauges/unused"));

        EXPECT_EQ(removed, test.removed ? Paths{tree.PathOf(copy)} : Paths{});
        EXPECT_EQ(tree.Has(copy), !test.removed);
        if (test.gauge) {
            EXPECT_EQ(tree.ReadFile(std::string("Gauges/") + test.gauge), test.gaugeContent);
        }
    }
}

TEST(LeftoverCopies, FolderUnderACopysNameStays)
{
    test_support::TemporaryFolder tree;
    tree.WriteFile("Gauges/alpha.gau", kGauge);
    tree.MakeFolder("Gauges/unused/alpha.gau.moving");
    EXPECT_EQ(RemoveLeftoverCopies(tree.PathOf("Gauges"), tree.PathOf("Gauges/unused")), Paths{});
    EXPECT_TRUE(tree.Has("Gauges/unused/alpha.gau.moving"));
}

// What the user reads: a pass, as Move Selected opens it, tells what it
// removed, folder by folder.
TEST(LeftoverCopies, APassTellsWhatItRemoved)
{
    test_support::TemporaryFolder tree;
    tree.WriteFile("Gauges/alpha.gau", kGauge);
    tree.WriteFile("Gauges/unused/alpha.gau.moving", "alpha");
    std::vector<std::string> notices;
    const auto pass = CreateNativeFileSystem()->OpenMovePass(
        tree.PathOf("Gauges"), tree.PathOf("Gauges/unused"),
        [&notices](const std::string& text) { notices.push_back(text); });
    EXPECT_EQ(notices, Paths{RemovedLeftoversNotice(tree.PathOf("Gauges/unused"), {"alpha.gau.moving"})});
    EXPECT_FALSE(tree.Has("Gauges/unused/alpha.gau.moving"));
}

}  // namespace
}  // namespace dalvorn
