#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/linux/folder_pair_move_pass.h"
#include "platform/linux/no_replace_rename.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

namespace fs = std::filesystem;
using test_support::TemporaryFolder;
using Status = MoveOutcome::Status;
using Action = std::function<void(const TemporaryFolder&)>;
using Watching = FolderPairMovePass::Watching;

// A pass that lets the test act as another program between its look and
// its rename.
class InterruptedPass : public FolderPairMovePass {
public:
    InterruptedPass(const std::string& source, const std::string& destination, std::vector<std::string>& notices,
                    Action meanwhile, const TemporaryFolder& root, Watching watching = Watching::Watched)
        : FolderPairMovePass(
              source, destination, [&notices](const std::string& text) { notices.push_back(text); }, watching),
          meanwhile_(std::move(meanwhile)), root_(root)
    {
    }

protected:
    void BetweenLookAndRename() override
    {
        if (meanwhile_)
            std::exchange(meanwhile_, nullptr)(root_);
    }

private:
    Action meanwhile_;
    const TemporaryFolder& root_;
};

// Gauges/ and Gauges/Unused/, or an unused folder on another volume (a
// tmpfs) when one is asked for and there is one.
struct PassTree {
    explicit PassTree(bool otherVolume)
    {
        root.MakeFolder("Gauges");
        if (otherVolume) {
            fs::create_directory(otherDisk.HostPath("Unused"));
            fs::create_symlink(otherDisk.HostPath("Unused"), root.HostPath("Gauges/Unused"));
            if (!OnOtherVolume())
                std::cout << "no second volume (/dev/shm) here: the case ran on one volume\n";
        } else {
            root.MakeFolder("Gauges/Unused");
        }
    }
    std::unique_ptr<InterruptedPass> Open(Action meanwhile = nullptr, Watching watching = Watching::Watched)
    {
        return std::make_unique<InterruptedPass>(root.PathOf("Gauges"), root.PathOf("Gauges/Unused"), notices,
                                                 std::move(meanwhile), root, watching);
    }
    bool OnOtherVolume() const
    {
        struct stat gauges;
        struct stat unused;
        return stat(root.PathOf("Gauges").c_str(), &gauges) == 0 &&
               stat(root.PathOf("Gauges/Unused").c_str(), &unused) == 0 && gauges.st_dev != unused.st_dev;
    }

    TemporaryFolder root;
    TemporaryFolder otherDisk{fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()};
    std::vector<std::string> notices;
};

std::string Listing(const TemporaryFolder& root, const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(root.HostPath(folder)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names)
        text += name + " ";
    return text;
}

void Fifo(const TemporaryFolder& root, const std::string& path)
{
    ASSERT_EQ(mkfifo(root.PathOf(path).c_str(), 0644), 0);
}

// What stands at the gauge's name, and what is in the way in unused: only
// a file (or a link, as itself) moves, and only a second name or a whole
// copy of the gauge lets the move complete.
TEST(FolderPairMovePassTest, WhatIsAtTheNameDecidesTheMove)
{
    struct Case {
        const char* what;
        Action make;
        Status status;
        const char* reason;
        const char* gauges;  // what each folder holds afterwards
        const char* unused;
        bool sameVolumeOnly = false;
    };
    const auto gauge = [](const TemporaryFolder& root) { root.WriteFile("Gauges/Cessna.GAU", "cessna"); };
    const Case cases[] = {
        {"a gauge in another case", gauge, Status::Moved, "", "Unused ", "cessna.gau "},
        {"a file of that name in unused",
         [&](auto& root) { gauge(root), root.WriteFile("Gauges/Unused/cessna.gau", "older"); },
         Status::DestinationTaken, "", "Cessna.GAU Unused ", "cessna.gau "},
        {"the name in another case in unused",
         [&](auto& root) { gauge(root), root.WriteFile("Gauges/Unused/CESSNA.gau", "older"); },
         Status::DestinationTaken, "", "Cessna.GAU Unused ", "CESSNA.gau "},
        {"a second name of the gauge in unused",
         [&](auto& root) { gauge(root), fs::create_hard_link(root.HostPath("Gauges/Cessna.GAU"),
                                                             root.HostPath("Gauges/Unused/cessna.gau")); },
         Status::Moved, "", "Unused ", "cessna.gau ", true},
        {"a whole copy of the gauge in unused",
         [&](auto& root) { gauge(root), root.WriteFile("Gauges/Unused/cessna.gau", "cessna"); },
         Status::Moved, "", "Unused ", "cessna.gau "},
        {"a folder", [](auto& root) { root.MakeFolder("Gauges/cessna.gau"); }, Status::Failed,
         "it is a folder, not a gauge file", "Unused cessna.gau ", ""},
        {"a named pipe", [](auto& root) { Fifo(root, "Gauges/cessna.gau"); }, Status::Failed,
         "it is a named pipe, not a gauge file", "Unused cessna.gau ", ""},
        {"nothing", [](auto&) {}, Status::SourceMissing, "", "Unused ", ""},
    };
    for (const bool otherVolume : {false, true}) {
        for (const Case& each : cases) {
            if (otherVolume && each.sameVolumeOnly)
                continue;
            SCOPED_TRACE(std::string(each.what) + (otherVolume ? ", unused on another volume" : ""));
            PassTree tree(otherVolume);
            each.make(tree.root);
            const MoveOutcome outcome = tree.Open()->Move("cessna.gau");

            EXPECT_EQ(outcome.status, each.status);
            EXPECT_EQ(outcome.systemReason, each.reason);
            EXPECT_EQ(Listing(tree.root, "Gauges"), each.gauges);
            EXPECT_EQ(Listing(tree.root, "Gauges/Unused"), each.unused);
            // Never opened unless it is a file: a pipe would wait for ever.
            if (outcome.Succeeded() &&
                fs::is_regular_file(fs::symlink_status(tree.root.HostPath("Gauges/Unused/cessna.gau")))) {
                EXPECT_EQ(tree.root.ReadFile("Gauges/Unused/cessna.gau"), "cessna");
            }
        }
    }
}

TEST(FolderPairMovePassTest, AMoveToAnotherVolumeKeepsTheModificationTime)
{
    PassTree tree(true);
    if (!tree.OnOtherVolume())
        GTEST_SKIP() << "no second volume (/dev/shm) on this machine";
    tree.root.WriteFile("Gauges/old.gau", std::string(200000, 'x'));
    const auto written = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(tree.root.HostPath("Gauges/old.gau"), written);
    fs::permissions(tree.root.HostPath("Gauges/old.gau"), fs::perms::owner_read | fs::perms::group_read);

    ASSERT_TRUE(tree.Open()->Move("old.gau").Succeeded());
    EXPECT_EQ(fs::last_write_time(tree.root.HostPath("Gauges/Unused/old.gau")), written);
    EXPECT_EQ(tree.root.ReadFile("Gauges/Unused/old.gau"), std::string(200000, 'x'));
    EXPECT_EQ(fs::status(tree.root.HostPath("Gauges/Unused/old.gau")).permissions(),
              fs::perms::owner_read | fs::perms::group_read);
}

// Another program's spelling of the next gauge's name, made after one move
// and before the next, stops the next, however it came and whether the
// folders are watched or listed for every move.
TEST(FolderPairMovePassTest, ASpellingMadeBetweenTwoMovesStopsTheSecond)
{
    const auto spareHolding = [](const TemporaryFolder& root) {
        root.WriteFile("Spare/LEARJET.GAU", "another program's file");
        return root.HostPath("Spare/LEARJET.GAU");
    };
    const std::pair<const char*, Action> ways[] = {
        {"written", [](auto& root) { root.WriteFile("Gauges/Unused/LEARJET.GAU", "another program's file"); }},
        {"moved in", [&](auto& root) { fs::rename(spareHolding(root), root.HostPath("Gauges/Unused/LEARJET.GAU")); }},
        {"linked in",
         [&](auto& root) { fs::create_hard_link(spareHolding(root), root.HostPath("Gauges/Unused/LEARJET.GAU")); }},
        {"among more changes than are reported", [](auto& root) {
             for (int number = 0; number < 20000; ++number)
                 std::ofstream(root.HostPath("Gauges/Unused/other" + std::to_string(number) + ".gau"));
             root.WriteFile("Gauges/Unused/LEARJET.GAU", "another program's file");
         }},
    };
    for (const Watching watching : {Watching::Watched, Watching::Unwatched}) {
        for (const auto& [way, putInTheWay] : ways) {
            SCOPED_TRACE(std::string(way) + (watching == Watching::Watched ? ", watched" : ", unwatched"));
            PassTree tree(false);
            tree.root.WriteFile("Gauges/Cessna.GAU", "cessna");
            tree.root.WriteFile("Gauges/Learjet.gau", "learjet");
            const auto pass = tree.Open(nullptr, watching);
            ASSERT_TRUE(pass->Move("cessna.gau").Succeeded());
            putInTheWay(tree.root);

            EXPECT_EQ(pass->Move("learjet.gau").status, Status::DestinationTaken);
            EXPECT_EQ(tree.root.ReadFile("Gauges/Learjet.gau"), "learjet");
            EXPECT_FALSE(tree.root.Has("Gauges/Unused/learjet.gau"));
        }
    }
}

// What another program does between the pass's look and its rename (or
// its copy, which can take seconds) is found after it: the gauge goes back
// and the pass stops.
TEST(FolderPairMovePassTest, AChangeBetweenTheLookAndTheRenamePutsTheGaugeBack)
{
    struct Case {
        const char* way;
        Action meanwhile;
        Status status;
        const char* gauges;
        const char* unused;
    };
    const Case cases[] = {
        {"another spelling written in unused",
         [](auto& root) { root.WriteFile("Gauges/Unused/LEARJET.GAU", "another program's file"); },
         Status::DestinationTaken, "Learjet.gau Unused ", "LEARJET.GAU "},
        {"the gauge swapped for a folder",
         [](auto& root) {
             fs::remove(root.HostPath("Gauges/Learjet.gau"));
             root.MakeFolder("Gauges/Learjet.gau");
         },
         Status::Failed, "Learjet.gau Unused ", ""},
    };
    for (const bool otherVolume : {false, true}) {
        for (const Case& each : cases) {
            SCOPED_TRACE(std::string(each.way) + (otherVolume ? ", unused on another volume" : ""));
            PassTree tree(otherVolume);
            tree.root.WriteFile("Gauges/Learjet.gau", "learjet");

            EXPECT_EQ(tree.Open(each.meanwhile)->Move("learjet.gau").status, each.status);
            EXPECT_EQ(Listing(tree.root, "Gauges"), each.gauges);
            EXPECT_EQ(Listing(tree.root, "Gauges/Unused"), each.unused);
        }
    }
}

// Only partial copies recognisably this program's are removed, and the
// pass says so.
TEST(FolderPairMovePassTest, LeftoverPartialCopiesAreRemovedAndReported)
{
    PassTree tree(false);
    const std::pair<const char*, fs::perms> files[] = {
        {"a.gau.moving", fs::perms::none},         // this program's
        {"b.gau.moving7", fs::perms::none},        // this program's
        {"c.gau.moving", fs::perms::owner_read},   // a user's: it has permissions
        {"notes.moving", fs::perms::none},         // named after no gauge
        {"d.gau.moving.txt", fs::perms::none},     // not the partial copy's suffix
    };
    for (const auto& [name, permissions] : files) {
        tree.root.WriteFile(std::string("Gauges/Unused/") + name, "partial");
        fs::permissions(tree.root.HostPath(std::string("Gauges/Unused/") + name), permissions);
    }
    tree.root.WriteFile("Elsewhere/e", "");
    fs::permissions(tree.root.HostPath("Elsewhere/e"), fs::perms::none);
    tree.root.MakeLink("Gauges/Unused/e.gau.moving", tree.root.PathOf("Elsewhere/e"));
    fs::create_hard_link(tree.root.HostPath("Gauges/Unused/notes.moving"), tree.root.HostPath("Gauges/f.gau.moving"));

    tree.Open();
    EXPECT_EQ(Listing(tree.root, "Gauges/Unused"),
              "c.gau.moving d.gau.moving.txt e.gau.moving notes.moving ");
    EXPECT_EQ(Listing(tree.root, "Gauges"), "Unused f.gau.moving ");
    ASSERT_EQ(tree.notices.size(), 1u);
    EXPECT_NE(tree.notices[0].find("a.gau.moving"), std::string::npos);
    EXPECT_NE(tree.notices[0].find("b.gau.moving7"), std::string::npos);
    EXPECT_EQ(tree.root.ReadFile("Elsewhere/e"), "");
}

TEST(NoReplaceRenameTest, BothWaysMoveAndNeverReplace)
{
    for (const auto& [way, move] : {std::pair{"rename", &RenameWithoutReplacing}, std::pair{"link", &MoveByLinking}}) {
        SCOPED_TRACE(way);
        TemporaryFolder root;
        root.WriteFile("from", "moved");
        root.WriteFile("taken", "kept");

        EXPECT_FALSE(move(AT_FDCWD, root.PathOf("from"), AT_FDCWD, root.PathOf("taken")));
        EXPECT_EQ(root.ReadFile("taken"), "kept");
        EXPECT_TRUE(move(AT_FDCWD, root.PathOf("from"), AT_FDCWD, root.PathOf("to")));
        EXPECT_FALSE(root.Has("from"));
        EXPECT_EQ(root.ReadFile("to"), "moved");
    }
}

}  // namespace
}  // namespace dalvorn
