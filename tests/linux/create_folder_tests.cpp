#include <gtest/gtest.h>

#include <filesystem>

#include "platform/linux/posix_file_system.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

int CountEntries(const std::string& folder)
{
    int count = 0;
    for (auto it = std::filesystem::directory_iterator(folder); it != std::filesystem::directory_iterator(); ++it)
        ++count;
    return count;
}

class CreateFolderTest : public testing::Test {
protected:
    test_support::TemporaryFolder root;
    PosixFileSystem fileSystem;
};

TEST_F(CreateFolderTest, CreatesTheNameAsGivenInsideAParentOfAnotherCase)
{
    root.MakeFolder("Gauges");

    fileSystem.CreateFolder(root.PathOf("gauges/unused"));

    EXPECT_TRUE(std::filesystem::is_directory(root.PathOf("Gauges/unused")));
    EXPECT_EQ(CountEntries(root.Root()), 1);
}

TEST_F(CreateFolderTest, FolderOfAnotherCaseIsUsedInsteadOfANewOne)
{
    root.MakeFolder("Gauges/Unused");
    root.WriteFile("Gauges/cessna.gau", "gauge");

    fileSystem.CreateFolder(root.PathOf("gauges/unused"));
    EXPECT_EQ(CountEntries(root.PathOf("Gauges")), 2);

    ASSERT_TRUE(fileSystem.MoveRegularFile(root.PathOf("gauges/cessna.gau"), root.PathOf("gauges/unused/cessna.gau")).Succeeded());
    EXPECT_EQ(root.ReadFile("Gauges/Unused/cessna.gau"), "gauge");
}

TEST_F(CreateFolderTest, MissingParentCreatesNothing)
{
    fileSystem.CreateFolder(root.PathOf("gauges/unused"));

    EXPECT_EQ(CountEntries(root.Root()), 0);
}

}  // namespace
}  // namespace dalvorn
