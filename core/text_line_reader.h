#pragma once
// Reads a text file line by line with the rules of a text-mode stream:
// LF ends a line, CR LF counts as one line end, a lone CR stays in the line,
// a last line without an end is still delivered, and byte 0x1A ends the file.

#include <memory>
#include <string>

#include "file_system.h"

namespace dalvorn {

class TextLineReader {
public:
    // Throws FileException naming the file when it cannot be opened.
    TextLineReader(const FileSystem& fileSystem, const std::string& path);
    // Reads from an already opened file; `path` names it in errors.
    TextLineReader(std::unique_ptr<ReadableFile> file, std::string path);

    // The next line without its line end; false when there are no more.
    bool ReadLine(std::string& line);

private:
    bool Refill();

    std::unique_ptr<ReadableFile> file_;
    std::string path_;
    std::string buffer_;
    std::unique_ptr<char[]> chunk_;  // what one read delivers, before it joins buffer_
    std::size_t position_ = 0;
    bool endOfFile_ = false;
};

}  // namespace dalvorn
