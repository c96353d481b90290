#include "user_list.h"

#include <algorithm>

namespace dalvorn {

namespace {

const char kUserSeparator[] = ", ";
const std::size_t kSeparatorLength = sizeof(kUserSeparator) - 1;
const std::size_t kWordBits = 64;
const unsigned kSmallestFilterLog = 10;
const unsigned kHashBits = 32;
// Denser filters would prove more names absent, at the cost of memory: at
// two bytes per bit, about one absent aircraft name in two hundred is
// searched for in lists like "Boeing 737-400 0001 Beech, ...", one in twenty
// in long lists of many makers' names.
const std::size_t kBytesPerBit = 2;

bool HasBit(const std::uint64_t* bits, std::uint32_t index)
{
    return (bits[index / kWordBits] >> (index % kWordBits)) & 1u;
}

void SetBit(std::uint64_t* bits, std::uint32_t index)
{
    bits[index / kWordBits] |= std::uint64_t{1} << (index % kWordBits);
}

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
    // From the end: names that share their first letters with many others
    // ("Boeing 737-400 0012 ...") differ sooner there.
    const std::uint64_t* const bits = windowBits_.data();
    const unsigned shift = windowShift_;
    const std::vector<std::uint32_t>& hashes = name.WindowHashes();
    for (auto hash = hashes.rbegin(); hash != hashes.rend(); ++hash)
        if (!HasBit(bits, *hash >> shift))
            return false;
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
    if (text_.size() > kBytesPerBit * windowBits_.size() * kWordBits) {
        RebuildWindowFilter();
        return;
    }
    NoteWindowsStartingIn(oldSize >= kWindowLength - 1 ? oldSize - (kWindowLength - 1) : 0, oldSize + separator);
    std::uint64_t* const bits = windowBits_.data();
    const unsigned shift = windowShift_;
    for (std::uint32_t hash : name.WindowHashes())
        SetBit(bits, hash >> shift);
}

void UserList::Clear()
{
    *this = UserList();
}

// Grows the text by an eighth rather than doubling it, so that a long list
// wastes little memory; still a constant number of copies per byte.
void UserList::Reserve(std::size_t size)
{
    if (size <= text_.capacity())
        return;
    std::string grown;
    grown.reserve(size + size / 8);
    grown = text_;
    text_.swap(grown);
}

void UserList::NoteWindowsStartingIn(std::size_t begin, std::size_t end)
{
    if (text_.size() < kWindowLength)
        return;
    const std::size_t stop = std::min(end, text_.size() - kWindowLength + 1);
    const char* const text = text_.data();
    std::uint64_t* const bits = windowBits_.data();
    const unsigned shift = windowShift_;
    for (std::size_t start = begin; start < stop; ++start)
        SetBit(bits, FourByteHash(text + start) >> shift);
}

void UserList::RebuildWindowFilter()
{
    unsigned log = kSmallestFilterLog;
    while (log < kHashBits && (kBytesPerBit << log) < text_.size())
        ++log;
    windowBits_.assign((std::size_t{1} << log) / kWordBits, 0);
    windowShift_ = kHashBits - log;
    NoteWindowsStartingIn(0, text_.size());
}

}  // namespace dalvorn
