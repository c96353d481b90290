#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folder_scan.h"
#include "core/gauge_usage_table.h"
#include "platform/linux/posix_file_system.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

class EnumerateTest : public testing::Test {
protected:
    std::vector<DirectoryEntry> List(const std::string& folder) const
    {
        std::vector<DirectoryEntry> entries;
        fileSystem.Enumerate(folder, [&](const DirectoryEntry& entry) { entries.push_back(entry); });
        return entries;
    }

    std::vector<std::string> Names(const std::string& folder) const
    {
        std::vector<std::string> names;
        for (const DirectoryEntry& entry : List(folder))
            names.push_back(entry.name);
        return names;
    }

    bool IsListedAsDirectory(const std::string& folder, const std::string& name) const
    {
        for (const DirectoryEntry& entry : List(folder))
            if (entry.name == name)
                return entry.isDirectory;
        ADD_FAILURE() << name << " not listed";
        return false;
    }

    test_support::TemporaryFolder root;
    PosixFileSystem fileSystem;
};

using NameList = std::vector<std::string>;

TEST_F(EnumerateTest, AllPatternYieldsEveryNameAndTheDotEntriesFirst)
{
    root.MakeFolder("Aircraft/c172");
    root.WriteFile("Aircraft/notes", "");
    root.WriteFile("Aircraft/-first.txt", "");

    const std::vector<DirectoryEntry> entries = List(root.PathOf("Aircraft"));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, ".");
    EXPECT_TRUE(entries[0].isDirectory);
    EXPECT_EQ(entries[1].name, "..");
    EXPECT_TRUE(entries[1].isDirectory);
    EXPECT_EQ(entries[2].name, "-first.txt");
    EXPECT_FALSE(entries[2].isDirectory);
    EXPECT_EQ(entries[3].name, "c172");
    EXPECT_TRUE(entries[3].isDirectory);
    EXPECT_EQ(entries[4].name, "notes");
    EXPECT_FALSE(entries[4].isDirectory);
}

TEST_F(EnumerateTest, OrdersByUpperCasedBytesAsNtfsDoes)
{
    root.MakeFolder("Gauges");
    // Upper-cased, '_' (0x5F) sorts after every letter; lower-cased it
    // would sort before them.
    for (const char* name : {"a_b.gau", "AB.gau", "ac.gau", "Zulu.gau", "9.gau", "_x.gau", "Ab.gau"})
        root.WriteFile(std::string("Gauges/") + name, "");

    EXPECT_EQ(Names(root.PathOf("Gauges")),
              (NameList{".", "..", "9.gau", "AB.gau", "Ab.gau", "ac.gau", "a_b.gau", "Zulu.gau", "_x.gau"}));
}

TEST_F(EnumerateTest, FindsTheFolderInAnyLetterCase)
{
    root.MakeFolder("Gauges");
    root.WriteFile("Gauges/cessna.gau", "");

    EXPECT_EQ(Names(root.PathOf("GAUGES")), (NameList{".", "..", "cessna.gau"}));
}

TEST_F(EnumerateTest, FolderThatCannotBeOpenedYieldsNothing)
{
    root.WriteFile("Gauges", "a file where a folder is expected");

    EXPECT_TRUE(List(root.PathOf("Missing")).empty());
    EXPECT_TRUE(List(root.PathOf("Gauges")).empty());
    EXPECT_TRUE(List(root.PathOf("Gauges/inner")).empty());
}

TEST_F(EnumerateTest, LinksCountAsDirectoriesOnlyWhenTheyLeadToAFolder)
{
    root.MakeFolder("Aircraft/c172");
    root.WriteFile("Aircraft/readme.txt", "");
    root.MakeLink("Aircraft/cessna", "c172");
    root.MakeLink("Aircraft/text", "readme.txt");
    root.MakeLink("Aircraft/dangling", "nowhere");
    root.MakeLink("Aircraft/loop-a", "loop-b");
    root.MakeLink("Aircraft/loop-b", "loop-a");

    EXPECT_TRUE(IsListedAsDirectory(root.PathOf("Aircraft"), "cessna"));
    EXPECT_FALSE(IsListedAsDirectory(root.PathOf("Aircraft"), "text"));
    EXPECT_FALSE(IsListedAsDirectory(root.PathOf("Aircraft"), "dangling"));
    EXPECT_FALSE(IsListedAsDirectory(root.PathOf("Aircraft"), "loop-a"));
    EXPECT_FALSE(IsListedAsDirectory(root.PathOf("Aircraft"), "loop-b"));
}

TEST_F(EnumerateTest, NamedPipeIsListedAsAPlainEntry)
{
    root.MakeFolder("Gauges");
    ASSERT_EQ(mkfifo((root.PathOf("Gauges/pipe.gau")).c_str(), 0600), 0);

    const std::vector<DirectoryEntry> entries = List(root.PathOf("Gauges"));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].name, "pipe.gau");
    EXPECT_FALSE(entries[2].isDirectory);
    EXPECT_FALSE(entries[2].isRegularFile);
}

TEST_F(EnumerateTest, WalkThroughALinkBackToAnAncestorEnds)
{
    root.MakeFolder("Aircraft/c172/panel");
    root.WriteFile("Aircraft/c172/panel/panel.cfg", "[Vcockpit01]\ngauge00=cessna!Airspeed, 0,0\n");
    root.MakeLink("Aircraft/c172/panel/back", "../..");
    root.MakeLink("Aircraft/c172/self", ".");
    root.WriteFile("Gauges/cessna.gau", "");

    const GaugeUsageTable table = UsageOfGaugesIn(fileSystem, root.Root(), root.PathOf("Gauges"));

    EXPECT_EQ(table.Users("cessna.gau"), "c172");
}

}  // namespace
}  // namespace dalvorn
