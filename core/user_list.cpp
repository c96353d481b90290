#include "user_list.h"

namespace dalvorn {

namespace {

const char kUserSeparator[] = ", ";
const std::size_t kSeparatorLength = sizeof(kUserSeparator) - 1;
const std::size_t kWordBits = 64;
const unsigned kSmallestFilterLog = 9;
const unsigned kHashBits = 32;

}  // namespace

bool UserList::Contains(const SearchedName& name) const
{
    return MayContain(name) && name.FoundIn(text_);
}

bool UserList::MayContain(const SearchedName& name) const
{
    if (name.Text().size() < kWindowLength) {
        for (char byte : name.Text())
            if (!HasByte(bytes_, byte))
                return false;
        return true;
    }
    if (windowBits_.empty())
        return false;
    const std::uint64_t* bits = windowBits_.data();
    for (std::uint32_t hash : name.WindowHashes()) {
        const std::uint32_t index = hash >> windowShift_;
        if (!((bits[index / kWordBits] >> (index % kWordBits)) & 1u))
            return false;
    }
    return true;
}

// The name's own windows and bytes come hashed with it; only the windows
// that hold a byte of the separator or of the end of the previous name are
// hashed here.
void UserList::Append(const SearchedName& name)
{
    const std::size_t oldSize = text_.size();
    const std::size_t separator = text_.empty() ? 0 : kSeparatorLength;
    Reserve(oldSize + separator + name.Text().size());
    text_.append(kUserSeparator, separator).append(name.Text());
    for (std::size_t word = 0; word < bytes_.size(); ++word)
        bytes_[word] |= name.Bytes()[word];
    for (std::size_t i = 0; i < separator; ++i)
        AddByte(bytes_, kUserSeparator[i]);
    if (text_.size() > windowBits_.size() * kWordBits) {
        RebuildWindowFilter();
        return;
    }
    NoteWindowsStartingIn(oldSize >= kWindowLength - 1 ? oldSize - (kWindowLength - 1) : 0, oldSize + separator);
    for (std::uint32_t hash : name.WindowHashes())
        NoteWindow(hash);
}

void UserList::Clear()
{
    *this = UserList();
}

// Grows the text by a quarter rather than doubling it, so that a long list
// wastes little memory; still a constant number of copies per byte.
void UserList::Reserve(std::size_t size)
{
    if (size <= text_.capacity())
        return;
    std::string grown;
    grown.reserve(size + size / 4);
    grown = text_;
    text_.swap(grown);
}

void UserList::NoteWindow(std::uint32_t hash)
{
    const std::uint32_t index = hash >> windowShift_;
    windowBits_[index / kWordBits] |= std::uint64_t{1} << (index % kWordBits);
}

void UserList::NoteWindowsStartingIn(std::size_t begin, std::size_t end)
{
    if (text_.size() < kWindowLength)
        return;
    const char* const text = text_.data();
    const std::size_t lastStart = text_.size() - kWindowLength;
    for (std::size_t start = begin; start < end && start <= lastStart; ++start)
        NoteWindow(FourByteHash(text + start));
}

void UserList::RebuildWindowFilter()
{
    unsigned log = kSmallestFilterLog;
    while (log < kHashBits && (std::size_t{1} << log) < text_.size())
        ++log;
    windowBits_.assign((std::size_t{1} << log) / kWordBits, 0);
    windowShift_ = kHashBits - log;
    NoteWindowsStartingIn(0, text_.size());
}

}  // namespace dalvorn
