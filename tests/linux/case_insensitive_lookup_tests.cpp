#include <gtest/gtest.h>

#include "platform/linux/posix_file_system.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

std::string ReadAll(const FileSystem& fileSystem, const std::string& path)
{
    auto file = fileSystem.OpenForReading(path);
    std::string content;
    char buffer[64];
    while (std::size_t count = file->Read(buffer, sizeof(buffer)))
        content.append(buffer, count);
    return content;
}

class CaseInsensitiveLookupTest : public testing::Test {
protected:
    test_support::TemporaryFolder root;
    PosixFileSystem fileSystem;
};

TEST_F(CaseInsensitiveLookupTest, FindsEveryComponentInAnyLetterCase)
{
    root.MakeFolder("Flight Simulator/Aircraft/c172/Panel");
    root.WriteFile("Flight Simulator/Aircraft/c172/Panel/Panel.CFG", "gauges");

    EXPECT_TRUE(fileSystem.Exists(root.PathOf("flight simulator/AIRCRAFT/C172/panel/panel.cfg")));
    EXPECT_TRUE(fileSystem.Exists(root.PathOf("FLIGHT SIMULATOR/aircraft")));
    EXPECT_EQ(ReadAll(fileSystem, root.PathOf("flight simulator/aircraft/C172/PANEL/panel.cfg")), "gauges");
}

TEST_F(CaseInsensitiveLookupTest, MissingComponentsAreNotFound)
{
    root.MakeFolder("Gauges");
    root.WriteFile("Gauges/cessna.gau", "");

    EXPECT_FALSE(fileSystem.Exists(root.PathOf("Gauges/learjet.gau")));
    EXPECT_FALSE(fileSystem.Exists(root.PathOf("Missing/cessna.gau")));
    EXPECT_FALSE(fileSystem.Exists(root.PathOf("gauges/cessna.gau/")));
    EXPECT_FALSE(fileSystem.Exists(root.PathOf("gauges/cessna.gau/inside")));
    EXPECT_TRUE(fileSystem.Exists(root.PathOf("gauges/")));
}

TEST_F(CaseInsensitiveLookupTest, ExactSpellingWinsOverOtherCaseInEveryComponent)
{
    root.MakeFolder("Data");
    root.MakeFolder("data");
    root.WriteFile("Data/File.txt", "upper folder, upper file");
    root.WriteFile("Data/file.txt", "upper folder, lower file");
    root.WriteFile("data/file.txt", "lower folder, lower file");

    EXPECT_EQ(ReadAll(fileSystem, root.PathOf("Data/File.txt")), "upper folder, upper file");
    EXPECT_EQ(ReadAll(fileSystem, root.PathOf("Data/file.txt")), "upper folder, lower file");
    EXPECT_EQ(ReadAll(fileSystem, root.PathOf("data/file.txt")), "lower folder, lower file");
    // The exact folder "data" wins even though only "Data" holds File.txt.
    EXPECT_EQ(ReadAll(fileSystem, root.PathOf("data/File.txt")), "lower folder, lower file");
    // "DATA" is found as "Data" (first of the two in folder order); inside
    // it the exact "file.txt" wins over "File.txt", which comes first.
    EXPECT_EQ(ReadAll(fileSystem, root.PathOf("DATA/file.txt")), "upper folder, lower file");
}

TEST_F(CaseInsensitiveLookupTest, AmbiguousSpellingPicksTheSameEntryEveryTime)
{
    root.WriteFile("readme", "lower");
    root.WriteFile("README", "upper");

    // Names equal apart from case are ordered by their bytes: "README" first.
    EXPECT_EQ(ReadAll(fileSystem, root.PathOf("ReadMe")), "upper");
}

TEST_F(CaseInsensitiveLookupTest, BackslashIsAnOrdinaryNameCharacter)
{
    root.WriteFile("Gauges\\cessna.gau", "");

    EXPECT_TRUE(fileSystem.Exists(root.PathOf("gauges\\CESSNA.gau")));
    EXPECT_FALSE(fileSystem.Exists(root.PathOf("Gauges/cessna.gau")));
}

TEST_F(CaseInsensitiveLookupTest, IdentifiesAFolderHoweverItIsReached)
{
    root.MakeFolder("Aircraft/c172");
    root.MakeFolder("Aircraft/b737");
    root.MakeLink("Aircraft/Cessna", "c172");

    const auto identity = fileSystem.IdentifyFolder(root.PathOf("Aircraft/c172"));
    ASSERT_TRUE(identity.has_value());
    const auto byOtherCase = fileSystem.IdentifyFolder(root.PathOf("AIRCRAFT/C172"));
    const auto byLink = fileSystem.IdentifyFolder(root.PathOf("aircraft/cessna"));
    const auto other = fileSystem.IdentifyFolder(root.PathOf("Aircraft/b737"));
    ASSERT_TRUE(byOtherCase && byLink && other);
    EXPECT_FALSE(*identity < *byOtherCase || *byOtherCase < *identity);
    EXPECT_FALSE(*identity < *byLink || *byLink < *identity);
    EXPECT_TRUE(*identity < *other || *other < *identity);
    EXPECT_FALSE(fileSystem.IdentifyFolder(root.PathOf("Aircraft/missing")).has_value());
}

}  // namespace
}  // namespace dalvorn
