#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/linux/wine_drive_mapping.h"
#include "platform/linux/wine_registered_simulator_folder.h"
#include "platform/registered_simulator_folder.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

using test_support::TemporaryFolder;

// A Wine prefix with drive C: linked to drive_c and the simulator installed
// as "Program Files/FS2002".
class FakeWinePrefix : public testing::Test {
protected:
    FakeWinePrefix()
    {
        folder_.MakeFolder("prefix/dosdevices");
        folder_.MakeFolder("prefix/drive_c/Program Files/FS2002/Gauges");
        folder_.MakeLink("prefix/dosdevices/c:", "../drive_c");
    }

    std::string Prefix() const { return folder_.PathOf("prefix"); }
    std::string DriveC() const { return std::filesystem::canonical(folder_.PathOf("prefix/drive_c")).string(); }
    // A host path below drive_c, spelt as on disk.
    std::string OnDriveC(const std::string& relative) const { return DriveC() + "/" + relative; }
    std::optional<std::string> Map(const std::string& windowsPath) const
    {
        return MapWindowsPathIntoWinePrefix(Prefix(), windowsPath);
    }
    void WriteSystemRegistry(const std::string& exePathLine) const
    {
        folder_.WriteFile("prefix/system.reg",
                          "WINE REGISTRY Version 2\n\n"
                          "[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\8.0] "
                          "1700000000\n" +
                              exePathLine + "\n");
    }

    TemporaryFolder folder_;
};

TEST_F(FakeWinePrefix, MapsThroughTheDriveLink)
{
    EXPECT_EQ(Map("C:\\Program Files\\FS2002"), OnDriveC("Program Files/FS2002"));
    EXPECT_EQ(Map("c:/Program Files/FS2002/"), OnDriveC("Program Files/FS2002"));
    EXPECT_EQ(Map("C:\\"), DriveC());
    EXPECT_EQ(Map("C:"), DriveC());
}

TEST_F(FakeWinePrefix, FindsComponentsSpeltInAnotherCase)
{
    EXPECT_EQ(Map("C:\\PROGRAM FILES\\fs2002\\gauges"), OnDriveC("Program Files/FS2002/Gauges"));
}

TEST_F(FakeWinePrefix, PrefersTheExactSpelling)
{
    folder_.MakeFolder("prefix/drive_c/Program Files/fs2002");
    EXPECT_EQ(Map("C:\\Program Files\\fs2002"), OnDriveC("Program Files/fs2002"));
    EXPECT_EQ(Map("C:\\Program Files\\FS2002"), OnDriveC("Program Files/FS2002"));
}

TEST_F(FakeWinePrefix, ResolvesDotsAndDoubledSeparators)
{
    EXPECT_EQ(Map("C:\\Program Files\\\\.\\Other\\..\\FS2002"), OnDriveC("Program Files/FS2002"));
    EXPECT_EQ(Map("C:\\..\\Program Files"), OnDriveC("Program Files"));
}

TEST_F(FakeWinePrefix, KeepsMissingComponentsAsWritten)
{
    EXPECT_EQ(Map("C:\\program files\\Gone\\gauges"), OnDriveC("Program Files/Gone/gauges"));
}

TEST_F(FakeWinePrefix, MatchesTheDriveLetterInEitherCase)
{
    std::filesystem::rename(folder_.PathOf("prefix/dosdevices/c:"), folder_.PathOf("prefix/dosdevices/C:"));
    EXPECT_EQ(Map("c:\\Program Files"), OnDriveC("Program Files"));
    EXPECT_EQ(Map("C:\\Program Files"), OnDriveC("Program Files"));
}

TEST_F(FakeWinePrefix, FollowsADriveLinkToTheHostRoot)
{
    folder_.MakeLink("prefix/dosdevices/z:", "/");
    const std::string hostFolder = std::filesystem::canonical(folder_.PathOf("prefix/drive_c/Program Files")).string();
    std::string windowsPath = "Z:" + hostFolder;
    for (char& c : windowsPath)
        c = c == '/' ? '\\' : c;
    EXPECT_EQ(Map(windowsPath), hostFolder);
}

TEST_F(FakeWinePrefix, GivesNothingWithoutAMappedDrive)
{
    EXPECT_EQ(Map("D:\\FS2002"), std::nullopt);
    folder_.MakeLink("prefix/dosdevices/e:", "../nowhere");
    EXPECT_EQ(Map("E:\\FS2002"), std::nullopt);
    folder_.WriteFile("prefix/dosdevices/f:", "not a folder");
    EXPECT_EQ(Map("F:\\FS2002"), std::nullopt);
    EXPECT_EQ(MapWindowsPathIntoWinePrefix(folder_.PathOf("elsewhere"), "C:\\Program Files"), std::nullopt);
}

TEST_F(FakeWinePrefix, GivesNothingForPathsWithoutADrive)
{
    EXPECT_EQ(Map("\\\\server\\share\\FS2002"), std::nullopt);
    EXPECT_EQ(Map("Program Files\\FS2002"), std::nullopt);
    EXPECT_EQ(Map("C:Program Files"), std::nullopt);
    EXPECT_EQ(Map("1:\\FS2002"), std::nullopt);
    EXPECT_EQ(Map(""), std::nullopt);
}

TEST_F(FakeWinePrefix, FindsTheRegisteredFolderOnTheHost)
{
    WriteSystemRegistry(R"("EXE Path"="C:\\program files\\fs2002\\")");
    EXPECT_EQ(FindRegisteredSimulatorFolderInPrefix(Prefix()), OnDriveC("Program Files/FS2002"));
}

TEST_F(FakeWinePrefix, FindsNothingWithoutAUsableRegistry)
{
    EXPECT_EQ(FindRegisteredSimulatorFolderInPrefix(Prefix()), std::nullopt);
    WriteSystemRegistry(R"("EXE Path"="D:\\FS2002")");
    EXPECT_EQ(FindRegisteredSimulatorFolderInPrefix(Prefix()), std::nullopt);
    WriteSystemRegistry(R"("EXE Path"=hex(2):43,00,00,00)");
    EXPECT_EQ(FindRegisteredSimulatorFolderInPrefix(Prefix()), std::nullopt);
    std::filesystem::remove(folder_.PathOf("prefix/system.reg"));
    folder_.MakeFolder("prefix/system.reg");
    EXPECT_EQ(FindRegisteredSimulatorFolderInPrefix(Prefix()), std::nullopt);
}

// Sets an environment variable for one test and puts the old state back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = getenv(name))
            old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(FakeWinePrefix, UsesThePrefixNamedByTheEnvironment)
{
    WriteSystemRegistry(R"("EXE Path"="C:\\Program Files\\FS2002")");
    const ScopedVariable prefix("WINEPREFIX", Prefix());
    EXPECT_EQ(FindRegisteredSimulatorFolder(), OnDriveC("Program Files/FS2002"));
}

TEST_F(FakeWinePrefix, UsesDotWineInTheHomeFolderByDefault)
{
    const ScopedVariable prefix("WINEPREFIX", std::nullopt);
    const ScopedVariable home("HOME", folder_.Root());
    EXPECT_EQ(WinePrefixFromEnvironment(), folder_.PathOf(".wine"));
    const ScopedVariable emptyPrefix("WINEPREFIX", "");
    EXPECT_EQ(WinePrefixFromEnvironment(), folder_.PathOf(".wine"));
}

}  // namespace
}  // namespace dalvorn
