#include "panel_text_file.h"

#include <algorithm>
#include <cstring>

namespace dalvorn {

namespace {

const char kUtf16LeMark[] = "\xFF\xFE";
const char kUtf16BeMark[] = "\xFE\xFF";
const char kUtf8Mark[] = "\xEF\xBB\xBF";
const std::size_t kLongestMark = sizeof(kUtf8Mark) - 1;
const std::size_t kRawChunkSize = 32 * 1024;

bool StartsWith(const std::string& text, const char* mark)
{
    return text.compare(0, std::strlen(mark), mark) == 0;
}

}  // namespace

PanelTextFile::PanelTextFile(std::unique_ptr<ReadableFile> file)
    : file_(std::move(file)), raw_(new char[kRawChunkSize])
{
    char start[kLongestMark];
    while (pending_.size() < kLongestMark) {
        const std::size_t got = file_->Read(start, kLongestMark - pending_.size());
        if (got == 0) {
            endOfFile_ = true;
            break;
        }
        pending_.append(start, got);
    }
    const bool bigEndian = StartsWith(pending_, kUtf16BeMark);
    if (bigEndian || StartsWith(pending_, kUtf16LeMark)) {
        utf16_ = true;
        encoding_ = PanelTextEncoding::Utf8;
        decoder_.SetByteOrder(bigEndian ? Utf16Decoder::ByteOrder::BigEndian : Utf16Decoder::ByteOrder::LittleEndian);
        const std::string rest = pending_.substr(std::strlen(kUtf16LeMark));
        pending_.clear();
        decoder_.Decode(rest.data(), rest.size(), pending_);
    } else if (StartsWith(pending_, kUtf8Mark)) {
        encoding_ = PanelTextEncoding::Utf8;
        pending_.clear();
    }
}

std::size_t PanelTextFile::Read(char* buffer, std::size_t capacity)
{
    if (pendingStart_ == pending_.size()) {
        if (endOfFile_)
            return 0;
        if (!utf16_)
            return file_->Read(buffer, capacity);
        if (!DecodeMore())
            return 0;
    }
    const std::size_t count = std::min(capacity, pending_.size() - pendingStart_);
    std::memcpy(buffer, pending_.data() + pendingStart_, count);
    pendingStart_ += count;
    return count;
}

// Replaces the delivered text with the next decoded text; false at the end
// of the file.
bool PanelTextFile::DecodeMore()
{
    pending_.clear();
    pendingStart_ = 0;
    while (pending_.empty() && !endOfFile_) {
        const std::size_t got = file_->Read(raw_.get(), kRawChunkSize);
        if (got == 0) {
            endOfFile_ = true;
            decoder_.Finish(pending_);
        } else {
            decoder_.Decode(raw_.get(), got, pending_);
        }
    }
    return !pending_.empty();
}

}  // namespace dalvorn
