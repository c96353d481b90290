#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/linux/posix_file_system.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

class OpenForReadingTest : public testing::Test {
protected:
    // The FileException the open raises; fails the test if none is raised.
    FileException OpenFailure(const std::string& path) const
    {
        try {
            fileSystem.OpenForReading(path);
        } catch (const FileException& error) {
            return error;
        }
        ADD_FAILURE() << "opening " << path << " did not throw";
        return FileException(path, "");
    }

    test_support::TemporaryFolder root;
    PosixFileSystem fileSystem;
};

TEST_F(OpenForReadingTest, ReadsTheWholeFileThenReportsItsEnd)
{
    const std::string content(10000, 'x');
    root.WriteFile("panel.cfg", content);

    auto file = fileSystem.OpenForReading(root.PathOf("PANEL.CFG"));
    std::string read;
    char buffer[4096];
    while (std::size_t count = file->Read(buffer, sizeof(buffer)))
        read.append(buffer, count);

    EXPECT_EQ(read, content);
    EXPECT_EQ(file->Read(buffer, sizeof(buffer)), 0u);
}

TEST_F(OpenForReadingTest, FolderNamedLikeTheFileThrowsNamingThePath)
{
    root.MakeFolder("c172/Panel.cfg");
    const std::string path = root.PathOf("c172/panel.cfg");

    const FileException error = OpenFailure(path);

    EXPECT_EQ(error.Path(), path);
    EXPECT_EQ(error.Cause(), "Is a directory");
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
}

TEST_F(OpenForReadingTest, MissingFileThrows)
{
    EXPECT_EQ(OpenFailure(root.PathOf("panel.cfg")).Cause(), "No such file or directory");
}

TEST_F(OpenForReadingTest, NamedPipeThrowsInsteadOfWaitingForAWriter)
{
    ASSERT_EQ(mkfifo((root.PathOf("panel.cfg")).c_str(), 0600), 0);

    EXPECT_EQ(OpenFailure(root.PathOf("panel.cfg")).Cause(), "Not a regular file");
}

}  // namespace
}  // namespace dalvorn
