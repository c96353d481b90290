#include <gtest/gtest.h>

#include "core/text_line_reader.h"
#include "support/memory_file.h"
#include "support/simulator_tree.h"

namespace dalvorn {
namespace {

using test_support::MemoryFile;

std::vector<std::string> LinesOf(const std::string& content, std::size_t piece = MemoryFile::kWhole)
{
    TextLineReader reader(std::make_unique<MemoryFile>(content, piece));
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLineInParts([&line](std::string_view part) { line.append(part); }); line.clear())
        lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextLineReader, LineEndRules)
{
    EXPECT_EQ(LinesOf("a\nb\r\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(LinesOf("a\rb\n"), (Lines{"a\rb"}));
    EXPECT_EQ(LinesOf("a\r\r\nb\r"), (Lines{"a\r", "b\r"}));
    EXPECT_EQ(LinesOf("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(LinesOf(""), Lines{});
    EXPECT_EQ(LinesOf(std::string("a\0b\n", 4)), (Lines{std::string("a\0b", 3)}));
}

TEST(TextLineReader, ControlZEndsTheFile)
{
    EXPECT_EQ(LinesOf("a\nb\x1A" "c\nd\n"), (Lines{"a", "b"}));
    EXPECT_EQ(LinesOf("a\n\x1A"), (Lines{"a"}));
    EXPECT_EQ(LinesOf("\x1A" "a\n"), Lines{});
}

TEST(TextLineReader, ControlZInALaterPieceEndsTheFile)
{
    const std::string content = "gauge00=a,1\r\nb\r\x1A" "c\nd\n";
    for (std::size_t piece = 1; piece < content.size(); ++piece)
        EXPECT_EQ(LinesOf(content, piece), (Lines{"gauge00=a,1", "b\r"})) << "piece " << piece;
}

TEST(TextLineReader, PieceBoundariesDoNotMatter)
{
    const std::string content = "gauge00=a,1\r\nline two\r\n\r\nlast\rline";
    const Lines expected = LinesOf(content);
    for (std::size_t piece = 1; piece < content.size(); ++piece)
        EXPECT_EQ(LinesOf(content, piece), expected) << "piece " << piece;
}

TEST(TextLineReader, LongLinesAcrossManyChunks)
{
    const std::string longLine(300000, 'x');
    EXPECT_EQ(LinesOf(longLine + "\r\n" + longLine), (Lines{longLine, longLine}));
}

TEST(TextLineReader, MissingFileOrFolderRaisesWithThePath)
{
    test_support::SimulatorTree tree;
    tree.MakeFolder("panel.cfg");
    for (const std::string& path : {tree.PathOf("panel.cfg"), tree.PathOf("missing.cfg")}) {
        try {
            TextLineReader reader(tree.Files().OpenForReading(path));
            ADD_FAILURE() << "opened " << path;
        } catch (const FileException& error) {
            EXPECT_EQ(error.Path(), path);
            EXPECT_FALSE(error.Cause().empty());
        }
    }
}

}  // namespace
}  // namespace dalvorn
