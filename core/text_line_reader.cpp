#include "text_line_reader.h"

#include <cstring>

namespace dalvorn {

namespace {
const char kEndOfFileMark = '\x1A';
const std::size_t kChunkSize = 64 * 1024;
}  // namespace

TextLineReader::TextLineReader(const FileSystem& fileSystem, const std::string& path)
    : TextLineReader(fileSystem.OpenForReading(path), path)
{
}

TextLineReader::TextLineReader(std::unique_ptr<ReadableFile> file, std::string path)
    : file_(std::move(file)), path_(std::move(path)), chunk_(new char[kChunkSize])
{
}

bool TextLineReader::ReadLine(std::string& line)
{
    std::size_t scanned = position_;
    for (;;) {
        const char* begin = buffer_.data();
        const void* lineEnd = std::memchr(begin + scanned, '\n', buffer_.size() - scanned);
        if (lineEnd != nullptr) {
            const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lineEnd) - begin);
            std::size_t length = end - position_;
            if (length > 0 && buffer_[end - 1] == '\r')
                --length;
            line.assign(buffer_, position_, length);
            position_ = end + 1;
            return true;
        }
        const std::size_t pendingScanned = buffer_.size() - position_;
        if (!Refill()) {
            if (position_ >= buffer_.size())
                return false;
            line.assign(buffer_, position_, std::string::npos);
            position_ = buffer_.size();
            return true;
        }
        scanned = position_ + pendingScanned;
    }
}

// Drops the consumed bytes and appends the next chunk, up to an end-of-file
// mark; false when nothing more can be read.
bool TextLineReader::Refill()
{
    if (endOfFile_)
        return false;
    buffer_.erase(0, position_);
    position_ = 0;
    std::size_t got = file_->Read(chunk_.get(), kChunkSize);
    if (got == 0) {
        endOfFile_ = true;
        return false;
    }
    if (const void* mark = std::memchr(chunk_.get(), kEndOfFileMark, got)) {
        got = static_cast<std::size_t>(static_cast<const char*>(mark) - chunk_.get());
        endOfFile_ = true;
    }
    buffer_.append(chunk_.get(), got);
    return true;
}

}  // namespace dalvorn
