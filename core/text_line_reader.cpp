#include "text_line_reader.h"

#include <cstring>

namespace dalvorn {

namespace {
const char kEndOfFileMark = '\x1A';
const std::size_t kChunkSize = 64 * 1024;
}  // namespace

TextLineReader::TextLineReader(std::unique_ptr<ReadableFile> file)
    : file_(std::move(file)), chunk_(new char[kChunkSize])
{
}

bool TextLineReader::ReadLineInParts(const PartVisitor& part)
{
    bool started = false;
    // A CR that ended the last piece: part of the line unless an LF follows.
    bool heldReturn = false;
    while (position_ < end_ || Refill()) {
        started = true;
        const char* begin = chunk_.get() + position_;
        const std::size_t available = end_ - position_;
        const auto* lineEnd = static_cast<const char*>(std::memchr(begin, '\n', available));
        std::size_t length = lineEnd != nullptr ? static_cast<std::size_t>(lineEnd - begin) : available;
        position_ += lineEnd != nullptr ? length + 1 : length;
        if (heldReturn && lineEnd != begin)
            part("\r");
        // A CR before the LF belongs to the line end; one that ends the piece is held.
        heldReturn = length > 0 && begin[length - 1] == '\r';
        if (heldReturn)
            --length;
        if (length > 0)
            part(std::string_view(begin, length));
        if (lineEnd != nullptr)
            return true;
    }
    if (heldReturn)
        part("\r");
    return started;
}

// Replaces the delivered bytes with the next chunk, up to an end-of-file
// mark; false when nothing more can be read.
bool TextLineReader::Refill()
{
    if (endOfFile_)
        return false;
    position_ = 0;
    end_ = file_->Read(chunk_.get(), kChunkSize);
    if (const void* mark = std::memchr(chunk_.get(), kEndOfFileMark, end_)) {
        end_ = static_cast<std::size_t>(static_cast<const char*>(mark) - chunk_.get());
        endOfFile_ = true;
    }
    if (end_ == 0)
        endOfFile_ = true;
    return end_ > 0;
}

}  // namespace dalvorn
