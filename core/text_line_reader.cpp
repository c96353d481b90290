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
    : file_(std::move(file)), path_(std::move(path))
{
}

bool TextLineReader::ReadLine(std::string& line)
{
    std::size_t scanned = position_;
    for (;;) {
        for (std::size_t i = scanned; i < buffer_.size(); ++i) {
            const char c = buffer_[i];
            if (c == '\n') {
                std::size_t length = i - position_;
                if (length > 0 && buffer_[i - 1] == '\r')
                    --length;
                line.assign(buffer_, position_, length);
                position_ = i + 1;
                return true;
            }
            if (c == kEndOfFileMark) {
                buffer_.resize(i);
                endOfFile_ = true;
                break;
            }
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

// Drops the consumed bytes and appends the next chunk; false at the end.
bool TextLineReader::Refill()
{
    if (endOfFile_)
        return false;
    buffer_.erase(0, position_);
    position_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + kChunkSize);
    const std::size_t got = file_->Read(&buffer_[kept], kChunkSize);
    buffer_.resize(kept + got);
    if (got == 0)
        endOfFile_ = true;
    return got != 0;
}

}  // namespace dalvorn
