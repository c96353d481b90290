#pragma once
// Reads a text file line by line with the rules of a text-mode stream:
// LF ends a line, CR LF counts as one line end, a lone CR stays in the line,
// a last line without an end is still delivered, and byte 0x1A ends the file.

#include <functional>
#include <memory>
#include <string_view>

#include "file_system.h"

namespace dalvorn {

class TextLineReader {
public:
    using PartVisitor = std::function<void(std::string_view part)>;

    explicit TextLineReader(std::unique_ptr<ReadableFile> file);

    // Hands the next line, without its line end, to `part` in pieces of at
    // most one read's size, in order, so that no line is ever held whole;
    // false when there are no more lines.
    bool ReadLineInParts(const PartVisitor& part);

private:
    bool Refill();

    std::unique_ptr<ReadableFile> file_;
    std::unique_ptr<char[]> chunk_;  // what one read delivers
    std::size_t position_ = 0;       // the first byte of chunk_ not yet delivered
    std::size_t end_ = 0;            // the end of what chunk_ holds
    bool endOfFile_ = false;
};

}  // namespace dalvorn
