#include <gtest/gtest.h>

#include <filesystem>

#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using test_support::ListLines;
using test_support::SimulatorTree;
using Lines = std::vector<std::string>;

using FolderScan = test_support::SimulatorFixture;

TEST_F(FolderScan, ListsEveryGaugeSortedWithUnusedTicked)
{
    tree.AddGauge("Cessna.GAU");
    tree.AddGauge("zulu.gau");
    tree.AddGauge("Magnetic_Compass.gau");
    tree.AddGauge("readme.txt");
    tree.AddPanel("c172", "[Window00]\ngauge00=Cessna!Airspeed, 10, 20\ngauge01=Magnetic_Compass, 100, 0\n");
    tree.AddPanel("Learjet 45/panel", "gauge00=cessna!Clock,1\n");
    EXPECT_EQ(Scan(), (Lines{"[ ] cessna.gau (Used By: c172, Learjet 45)", "[ ] magnetic_compass.gau (Used By: c172)",
                             "[x] zulu.gau (Used By: )"}));
    EXPECT_TRUE(owner.errors.empty());
    EXPECT_EQ(owner.busyCalls, 1);
    EXPECT_EQ(owner.busyDepth, 0);
}

TEST_F(FolderScan, SubFoldersAreReadBeforeTheFolderOwnPanel)
{
    tree.AddGauge("a.gau");
    tree.AddPanel("c172", "gauge00=a,1\n");
    tree.AddPanel("c172/panel", "gauge00=a,1\n");
    tree.AddPanel("Beech/panel.1", "gauge00=a,1\n");
    tree.AddPanel("Beech/panel", "gauge00=a,1\n");
    tree.AddPanel("Beech/deep/er/still", "gauge00=a,1\n");
    tree.AddPanel("Zlin", "gauge00=a,1\n");
    Scan();
    EXPECT_EQ(table.Users("a.gau"), "Beech, c172, Zlin");
}

TEST_F(FolderScan, AircraftFoldersInNestedPanelsCountUnderTheTopName)
{
    tree.AddGauge("a.gau");
    tree.AddGauge("b.gau");
    tree.AddPanel("c172/panel", "gauge00=a,1\n");
    tree.AddPanel("Lear/a/b/c", "gauge00=b,1\n");
    EXPECT_EQ(Scan(), (Lines{"[ ] a.gau (Used By: c172)", "[ ] b.gau (Used By: Lear)"}));
}

TEST_F(FolderScan, TrailingSeparatorIsDroppedOnce)
{
    tree.AddGauge("a.gau");
    const Lines expected{"[x] a.gau (Used By: )"};
    EXPECT_EQ(Scan(tree.Root() + tree.Files().Separator()), expected);
    list.Clear();
    Scan(tree.Root() + tree.Files().Separator() + tree.Files().Separator());
    EXPECT_EQ(ListLines(list), expected);  // "//" or "\\" still names the folder
}

TEST_F(FolderScan, MissingFolderIsReportedAndNothingChanges)
{
    list.Append({"old", ""});
    Scan(tree.PathOf("nowhere"));
    Scan("");
    EXPECT_EQ(owner.errors, (Lines{"Scan: Folder not found", "Scan: Folder not found"}));
    EXPECT_EQ(ListLines(list), Lines{"[ ] old (Used By: )"});
    EXPECT_EQ(owner.busyCalls, 0);
}

TEST_F(FolderScan, MissingGaugesOrAircraftFolders)
{
    tree.AddPanel("c172", "gauge00=a,1\n");
    EXPECT_EQ(Scan(), Lines{});
    tree.AddGauge("a.gau");
    std::filesystem::remove_all(tree.HostPath("Aircraft"));
    EXPECT_EQ(Scan(), Lines{"[x] a.gau (Used By: )"});
}

TEST_F(FolderScan, FoldersAndNamesAreFoundInAnyLetterCase)
{
    tree.WriteFile("GAUGES/Radio.Gau", "x");
    tree.WriteFile("aircraft/C172/PANEL/Panel.CFG", "gauge00=RADIO,1\n");
    EXPECT_EQ(Scan(), Lines{"[ ] radio.gau (Used By: C172)"});
}

TEST_F(FolderScan, UnreadablePanelEndsTheScanKeepingListAndTableAndEndingBusy)
{
    tree.AddGauge("a.gau");
    tree.AddGauge("gone.gau");
    tree.AddPanel("c172", "gauge00=a,1\n");
    const Lines before = Scan();
    std::filesystem::remove(tree.HostPath("Gauges/gone.gau"));
    tree.MakeFolder("Aircraft/lear/panel.cfg");
    Scan();
    EXPECT_TRUE(owner.FileErrorCause("Scan", tree.PathOf("Aircraft/lear/panel.cfg")))
        << testing::PrintToString(owner.errors);
    EXPECT_EQ(ListLines(list), before);
    EXPECT_TRUE(table.Contains("gone.gau"));  // the table still matches the list
    EXPECT_EQ(owner.busyDepth, 0);
}

TEST_F(FolderScan, RescanResetsTicksAndListsOnlyWhatIsOnDisk)
{
    tree.AddGauge("a.gau");
    tree.AddGauge("b.gau");
    tree.AddPanel("c172", "gauge00=a,1\n");
    const Lines first = Scan();
    list.SetChecked(list.First(), true);
    EXPECT_EQ(Scan(), first);

    std::filesystem::remove(tree.HostPath("Gauges/b.gau"));
    EXPECT_EQ(Scan(), Lines{"[ ] a.gau (Used By: c172)"});
    EXPECT_FALSE(table.Contains("b.gau"));

    SimulatorTree other;
    other.AddGauge("c.gau");
    EXPECT_EQ(Scan(other.Root()), Lines{"[x] c.gau (Used By: )"});
    EXPECT_EQ(table.Size(), 1u);
}

TEST_F(FolderScan, ShortAliasMatchesAndFoldersAreNotGauges)
{
    tree.AddGauge("real.gau");
    tree.AddGauge("long.gauge");
    tree.AddGauge("old.gau.bak");
    tree.AddGauge("cessnagau");
    tree.AddGauge("folder.gau/inner.txt");
    EXPECT_EQ(Scan(), Lines{"[x] real.gau (Used By: )"});
}

TEST_F(FolderScan, CyclicFolderLinksEnd)
{
    tree.AddGauge("a.gau");
    tree.AddPanel("c172/panel", "gauge00=a,1\n");
    tree.AddPanel("Lear", "gauge00=zz,1\n");
    std::error_code error;
    std::filesystem::create_directory_symlink(tree.HostPath("Aircraft/c172"), tree.HostPath("Aircraft/c172/panel/up"),
                                              error);
    std::filesystem::create_directory_symlink(tree.HostPath("Aircraft/c172"), tree.HostPath("Aircraft/Lear/shared"),
                                              error);
    if (error)
        GTEST_SKIP() << "folder links unavailable here: " << error.message();
    EXPECT_EQ(Scan(), Lines{"[ ] a.gau (Used By: c172, Lear)"});
}

}  // namespace
}  // namespace dalvorn
