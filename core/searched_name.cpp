#include "searched_name.h"

#include <utility>

namespace dalvorn {

SearchedName::SearchedName(std::string text) : text_(std::move(text)), borders_(text_.size(), 0)
{
    for (std::size_t start = 0; start + kWindowLength <= text_.size(); ++start)
        windowHashes_.push_back(FourByteHash(text_.data() + start));
    for (char byte : text_)
        AddByte(bytes_, byte);
    std::size_t border = 0;
    for (std::size_t i = 1; i < text_.size(); ++i) {
        while (border > 0 && text_[i] != text_[border])
            border = borders_[border - 1];
        if (text_[i] == text_[border])
            ++border;
        borders_[i] = border;
    }
}

// Knuth-Morris-Pratt: on a mismatch the search falls back along the name's
// borders instead of moving back in the text. Between candidates, memchr
// skips to the next byte that can start a match.
bool SearchedName::FoundIn(std::string_view text) const
{
    const std::size_t length = text_.size();
    if (length == 0)
        return true;
    if (length > text.size())
        return false;
    const std::size_t lastStart = text.size() - length;
    std::size_t matched = 0;
    for (std::size_t position = 0; position < text.size(); ++position) {
        if (matched == 0) {
            if (position > lastStart)
                return false;
            const void* first = std::memchr(text.data() + position, text_[0], lastStart - position + 1);
            if (first == nullptr)
                return false;
            position = static_cast<const char*>(first) - text.data();
        }
        while (matched > 0 && text[position] != text_[matched])
            matched = borders_[matched - 1];
        if (text[position] == text_[matched])
            ++matched;
        if (matched == length)
            return true;
    }
    return false;
}

}  // namespace dalvorn
