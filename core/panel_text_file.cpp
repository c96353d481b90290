#include "panel_text_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace dalvorn {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
const std::size_t kRawChunkSize = 32 * 1024;

}  // namespace

PanelTextFile::PanelTextFile(std::unique_ptr<ReadableFile> file)
    : file_(std::move(file)), raw_(new char[kRawChunkSize])
{
    std::size_t got = 0;
    while (got < kUtf8Mark.size() && !endOfFile_) {
        const std::size_t more = file_->Read(raw_.get() + got, kUtf8Mark.size() - got);
        endOfFile_ = more == 0;
        got += more;
    }
    const std::string_view start(raw_.get(), got);
    const bool bigEndian = start.substr(0, kUtf16BeMark.size()) == kUtf16BeMark;
    if (bigEndian || start.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) {
        utf16_ = true;
        encoding_ = PanelTextEncoding::Utf8;
        decoder_.SetBigEndian(bigEndian);
        decoder_.Decode(start.data() + kUtf16LeMark.size(), start.size() - kUtf16LeMark.size(), pending_);
    } else if (start == kUtf8Mark) {
        encoding_ = PanelTextEncoding::Utf8;
    } else {
        pending_ = start;
    }
}

std::size_t PanelTextFile::Read(char* buffer, std::size_t capacity)
{
    if (pendingStart_ == pending_.size()) {
        if (!utf16_)
            return endOfFile_ ? 0 : file_->Read(buffer, capacity);
        // The delivered text makes way for the next decoded text, if any.
        pending_.clear();
        pendingStart_ = 0;
        while (pending_.empty() && !endOfFile_) {
            const std::size_t got = file_->Read(raw_.get(), kRawChunkSize);
            endOfFile_ = got == 0;
            if (endOfFile_)
                decoder_.Finish(pending_);
            else
                decoder_.Decode(raw_.get(), got, pending_);
        }
    }
    const std::size_t count = std::min(capacity, pending_.size() - pendingStart_);
    std::memcpy(buffer, pending_.data() + pendingStart_, count);
    pendingStart_ += count;
    return count;
}

}  // namespace dalvorn
