#pragma once
// A file held in memory that hands out its bytes in pieces of a chosen size
// and can fail with a read error after a chosen number of bytes, so line
// ends, 0x1A and errors can fall anywhere relative to a reader's chunks.

#include <algorithm>
#include <cstring>
#include <string>

#include "core/file_system.h"

namespace dalvorn::test_support {

class MemoryFile : public ReadableFile {
public:
    static constexpr std::size_t kWhole = static_cast<std::size_t>(-1);
    static constexpr std::size_t kNoFailure = static_cast<std::size_t>(-1);
    static constexpr char kPath[] = "memory";

    explicit MemoryFile(std::string content, std::size_t piece = kWhole, std::size_t failAfter = kNoFailure)
        : content_(std::move(content)), piece_(std::max<std::size_t>(piece, 1)), failAfter_(failAfter)
    {
    }

    std::size_t Read(char* buffer, std::size_t capacity) override
    {
        if (offset_ >= failAfter_)
            throw FileException(kPath, "read error");
        std::size_t count = std::min({capacity, piece_, content_.size() - offset_});
        if (failAfter_ != kNoFailure)
            count = std::min(count, failAfter_ - offset_);
        std::memcpy(buffer, content_.data() + offset_, count);
        offset_ += count;
        return count;
    }

private:
    std::string content_;
    std::size_t piece_;
    std::size_t failAfter_;
    std::size_t offset_ = 0;
};

}  // namespace dalvorn::test_support
