#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>

#include "platform/linux/no_replace_rename.h"
#include "platform/linux/posix_file_system.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

class MoveTest : public testing::Test {
protected:
    void SetUp() override
    {
        root.MakeFolder("Gauges/Unused");
        root.WriteFile("Gauges/Cessna.GAU", "cessna gauge");
    }
    MoveOutcome Move(const std::string& from, const std::string& to)
    {
        return fileSystem.Move(root.PathOf(from), root.PathOf(to));
    }

    test_support::TemporaryFolder root;
    PosixFileSystem fileSystem;
};

TEST_F(MoveTest, MovesAFileFoundInAnyCaseUnderExactlyTheNewName)
{
    EXPECT_TRUE(Move("gauges/cessna.gau", "gauges/unused/cessna.gau").Succeeded());

    EXPECT_FALSE(root.Has("Gauges/Cessna.GAU"));
    EXPECT_EQ(root.ReadFile("Gauges/Unused/cessna.gau"), "cessna gauge");
}

TEST_F(MoveTest, NeverReplacesAnExistingFile)
{
    root.WriteFile("Gauges/Unused/cessna.gau", "older copy");

    EXPECT_FALSE(Move("Gauges/Cessna.GAU", "Gauges/Unused/cessna.gau").Succeeded());

    EXPECT_EQ(root.ReadFile("Gauges/Cessna.GAU"), "cessna gauge");
    EXPECT_EQ(root.ReadFile("Gauges/Unused/cessna.gau"), "older copy");
}

TEST_F(MoveTest, DestinationSpeltInAnotherCaseCountsAsExisting)
{
    root.WriteFile("Gauges/Unused/CESSNA.gau", "older copy");

    EXPECT_FALSE(Move("Gauges/Cessna.GAU", "Gauges/Unused/cessna.gau").Succeeded());

    EXPECT_EQ(root.ReadFile("Gauges/Cessna.GAU"), "cessna gauge");
    EXPECT_FALSE(root.Has("Gauges/Unused/cessna.gau"));
    EXPECT_EQ(root.ReadFile("Gauges/Unused/CESSNA.gau"), "older copy");
}

TEST_F(MoveTest, FailsWithoutSourceOrDestinationFolder)
{
    EXPECT_FALSE(Move("Gauges/learjet.gau", "Gauges/Unused/learjet.gau").Succeeded());
    EXPECT_FALSE(Move("Gauges/cessna.gau", "Gauges/Missing/cessna.gau").Succeeded());
    EXPECT_EQ(root.ReadFile("Gauges/Cessna.GAU"), "cessna gauge");
}

TEST_F(MoveTest, RenamingToAnotherCaseOfItsOwnNameIsAllowed)
{
    EXPECT_TRUE(Move("Gauges/Cessna.GAU", "Gauges/cessna.gau").Succeeded());

    EXPECT_FALSE(root.Has("Gauges/Cessna.GAU"));
    EXPECT_EQ(root.ReadFile("Gauges/cessna.gau"), "cessna gauge");
}

TEST_F(MoveTest, RenamingToAnotherCaseIsRefusedWhenAThirdSpellingExists)
{
    root.WriteFile("Gauges/CESSNA.GAU", "other gauge");

    EXPECT_FALSE(Move("Gauges/Cessna.GAU", "Gauges/cessna.gau").Succeeded());
    EXPECT_FALSE(root.Has("Gauges/cessna.gau"));
}

TEST_F(MoveTest, MovesAFolderLikeARename)
{
    root.MakeFolder("Gauges/Old");
    root.WriteFile("Gauges/Old/a.gau", "a");

    EXPECT_TRUE(Move("gauges/old", "gauges/unused/Old").Succeeded());
    EXPECT_EQ(root.ReadFile("Gauges/Unused/Old/a.gau"), "a");
}

// The second move's lookup is served from the listing the first one kept.
TEST_F(MoveTest, ACaseVariantMadeByAnotherProgramBetweenTwoMovesStopsTheSecond)
{
    root.WriteFile("Gauges/Learjet.gau", "learjet gauge");
    ASSERT_TRUE(Move("Gauges/Cessna.GAU", "Gauges/Unused/cessna.gau").Succeeded());
    root.WriteFile("Gauges/Unused/LEARJET.GAU", "another program's file");

    EXPECT_EQ(Move("Gauges/Learjet.gau", "Gauges/Unused/learjet.gau").status,
              MoveOutcome::Status::DestinationTaken);
    EXPECT_EQ(root.ReadFile("Gauges/Learjet.gau"), "learjet gauge");
    EXPECT_FALSE(root.Has("Gauges/Unused/learjet.gau"));
}

// Every way another program can put a spelling of the name in the way right
// after a move must stop the next one, though its listing is kept.
TEST(HeldListingTest, EveryWayAnotherProgramPutsANameInTheWayStopsTheNextMove)
{
    namespace fs = std::filesystem;
    using Folder = test_support::TemporaryFolder;
    const auto spareHolding = [](const Folder& root) {
        root.WriteFile("Spare/LEARJET.GAU", "another program's file");
        return root.HostPath("Spare");
    };
    const std::pair<const char*, std::function<void(const Folder&)>> ways[] = {
        {"written", [](const Folder& root) { root.WriteFile("Gauges/Unused/LEARJET.GAU", "another program's file"); }},
        {"moved in", [&](const Folder& root) {
             fs::rename(spareHolding(root) / "LEARJET.GAU", root.HostPath("Gauges/Unused/LEARJET.GAU"));
         }},
        {"linked in", [&](const Folder& root) {
             fs::create_hard_link(spareHolding(root) / "LEARJET.GAU", root.HostPath("Gauges/Unused/LEARJET.GAU"));
         }},
        {"folder replaced", [&](const Folder& root) {
             fs::remove_all(root.HostPath("Gauges/Unused"));
             fs::rename(spareHolding(root), root.HostPath("Gauges/Unused"));
         }},
        {"folder renamed away", [&](const Folder& root) {
             fs::rename(root.HostPath("Gauges/Unused"), root.HostPath("Gauges/Old unused"));
             fs::rename(spareHolding(root), root.HostPath("Gauges/Unused"));
         }},
        {"among more changes than are reported", [](const Folder& root) {
             for (int number = 0; number < 20000; ++number)
                 std::ofstream(root.HostPath("Gauges/Unused/other" + std::to_string(number) + ".gau"));
             root.WriteFile("Gauges/Unused/LEARJET.GAU", "another program's file");
         }},
    };
    for (const auto& [way, putInTheWay] : ways) {
        SCOPED_TRACE(way);
        Folder root;
        root.MakeFolder("Gauges/Unused");
        root.WriteFile("Gauges/Cessna.GAU", "cessna gauge");
        root.WriteFile("Gauges/Learjet.gau", "learjet gauge");
        PosixFileSystem fileSystem;
        ASSERT_TRUE(
            fileSystem.Move(root.PathOf("Gauges/Cessna.GAU"), root.PathOf("Gauges/Unused/cessna.gau")).Succeeded());
        putInTheWay(root);

        EXPECT_EQ(fileSystem.Move(root.PathOf("Gauges/Learjet.gau"), root.PathOf("Gauges/Unused/learjet.gau")).status,
                  MoveOutcome::Status::DestinationTaken);
        EXPECT_EQ(root.ReadFile("Gauges/Learjet.gau"), "learjet gauge");
        EXPECT_FALSE(root.Has("Gauges/Unused/learjet.gau"));
    }
}

// The source is looked up in the listing the first move kept as well.
TEST_F(MoveTest, TheSourceFolderChangedByAnotherProgramBetweenTwoMovesIsListedAgain)
{
    root.WriteFile("Gauges/Learjet.gau", "learjet gauge");
    root.WriteFile("Gauges/Baron.gau", "baron gauge");
    ASSERT_TRUE(Move("Gauges/Cessna.GAU", "Gauges/Unused/cessna.gau").Succeeded());
    std::filesystem::remove(root.HostPath("Gauges/Learjet.gau"));
    std::filesystem::remove(root.HostPath("Gauges/Baron.gau"));
    root.WriteFile("Gauges/BARON.GAU", "another program's baron");
    root.WriteFile("Gauges/baron.gau", "exact spelling");

    EXPECT_EQ(Move("Gauges/learjet.gau", "Gauges/Unused/learjet.gau").status, MoveOutcome::Status::SourceMissing);
    EXPECT_TRUE(Move("Gauges/baron.gau", "Gauges/Unused/baron.gau").Succeeded());
    EXPECT_EQ(root.ReadFile("Gauges/Unused/baron.gau"), "exact spelling");
    EXPECT_EQ(root.ReadFile("Gauges/BARON.GAU"), "another program's baron");
}

TEST_F(MoveTest, AFileThisProgramMovedInStopsALaterMoveOfTheSameName)
{
    root.MakeFolder("Gauges/Old");
    root.WriteFile("Gauges/Old/CESSNA.gau", "other cessna");
    ASSERT_TRUE(Move("Gauges/Cessna.GAU", "Gauges/Unused/cessna.gau").Succeeded());

    EXPECT_EQ(Move("Gauges/Old/CESSNA.gau", "Gauges/Unused/Cessna.gau").status,
              MoveOutcome::Status::DestinationTaken);
    EXPECT_EQ(root.ReadFile("Gauges/Unused/cessna.gau"), "cessna gauge");
}

TEST(NoReplaceRenameTest, BothWaysMoveAndNeverReplace)
{
    for (const auto& [way, move] : {std::pair{"rename", &RenameWithoutReplacing}, std::pair{"link", &MoveByLinking}}) {
        SCOPED_TRACE(way);
        test_support::TemporaryFolder root;
        root.WriteFile("from", "moved");
        root.WriteFile("taken", "kept");

        EXPECT_FALSE(move(root.PathOf("from"), root.PathOf("taken")));
        EXPECT_EQ(root.ReadFile("taken"), "kept");
        EXPECT_TRUE(move(root.PathOf("from"), root.PathOf("to")));
        EXPECT_FALSE(root.Has("from"));
        EXPECT_EQ(root.ReadFile("to"), "moved");
    }
}

}  // namespace
}  // namespace dalvorn
