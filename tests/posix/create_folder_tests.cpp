#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/posix_file_system.h"
#include "temporary_folder.h"

namespace dalvorn {
namespace {

int CountEntries(const std::string& folder)
{
    int count = 0;
    for (auto it = std::filesystem::directory_iterator(folder); it != std::filesystem::directory_iterator(); ++it)
        ++count;
    return count;
}

class CreateFolderTest : public ::testing::Test {
protected:
    testing::TemporaryFolder root;
    PosixFileSystem fileSystem;
};

TEST_F(CreateFolderTest, CreatesTheNameAsGivenInsideAParentOfAnotherCase)
{
    root.MakeFolder("Gauges");

    fileSystem.CreateFolder(root / "gauges/unused");

    EXPECT_TRUE(std::filesystem::is_directory(root / "Gauges/unused"));
    EXPECT_EQ(CountEntries(root.Path()), 1);
}

TEST_F(CreateFolderTest, FolderOfAnotherCaseIsUsedInsteadOfANewOne)
{
    root.MakeFolder("Gauges/Unused");
    root.WriteFile("Gauges/cessna.gau", "gauge");

    fileSystem.CreateFolder(root / "gauges/unused");
    EXPECT_EQ(CountEntries(root / "Gauges"), 2);

    ASSERT_TRUE(fileSystem.Move(root / "gauges/cessna.gau", root / "gauges/unused/cessna.gau").Succeeded());
    EXPECT_EQ(root.ReadFile("Gauges/Unused/cessna.gau"), "gauge");
}

TEST_F(CreateFolderTest, MissingParentCreatesNothing)
{
    fileSystem.CreateFolder(root / "gauges/unused");

    EXPECT_EQ(CountEntries(root.Path()), 0);
}

}  // namespace
}  // namespace dalvorn
