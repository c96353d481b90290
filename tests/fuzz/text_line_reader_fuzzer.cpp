// Feeds arbitrary bytes to the text-line reader, delivered in pieces of
// every size and sometimes cut short by a read error, and holds the lines
// it gives against the plain computation over the whole content.
//
// Input: byte 0 chooses the piece size, byte 1 whether and where a read
// error strikes, the rest is the file.

#include <memory>
#include <string>
#include <vector>

#include "core/text_line_reader.h"
#include "fuzz_check.h"
#include "reference_text_lines.h"
#include "tests/support/memory_file.h"

namespace dalvorn::fuzz {
namespace {

using test_support::MemoryFile;

std::size_t FailurePoint(std::uint8_t choice, std::size_t contentSize)
{
    if (choice % 4 != 0)
        return MemoryFile::kNoFailure;
    return contentSize * (choice / 4) / 63;
}

void ReadEveryLine(TextLineReader& reader, std::vector<std::string>& lines)
{
    for (std::string line; reader.ReadLineInParts([&line](std::string_view part) { line.append(part); }); line.clear())
        lines.push_back(line);
}

}  // namespace
}  // namespace dalvorn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace dalvorn;
    using namespace dalvorn::fuzz;
    if (size < 2)
        return 0;
    const std::string content(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t failAfter = FailurePoint(data[1], content.size());
    TextLineReader reader(std::make_unique<MemoryFile>(content, PieceSize(data[0], content.size()), failAfter));

    const std::vector<std::string> expected = ReferenceTextLines(content);
    std::vector<std::string> lines;
    bool failed = false;
    try {
        ReadEveryLine(reader, lines);
    } catch (const FileException& error) {
        Check(error.Path() == MemoryFile::kPath, "a read error names the file");
        failed = true;
    }
    if (failed) {
        // Only lines ended before the error can have been delivered.
        Check(lines.size() <= expected.size(), "no more lines than the file holds before a read error");
        for (std::size_t i = 0; i < lines.size(); ++i)
            Check(lines[i] == expected[i], "lines before a read error are the file's first lines");
        return 0;
    }
    Check(lines == expected, "the lines are the file's lines");
    Check(!reader.ReadLineInParts([](std::string_view) {}), "the end stays the end");
    return 0;
}
