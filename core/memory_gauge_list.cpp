#include "memory_gauge_list.h"

#include "text_case.h"

namespace dalvorn {

namespace {

unsigned char FoldedByte(char byte)
{
    return static_cast<unsigned char>(AsciiLower(byte));
}

// Byte after byte of two labels held in pieces, as if each were one text:
// true when `a` sorts before `b`, letter case aside.
bool LessIgnoringCase(const LabelPieces& a, const LabelPieces& b)
{
    std::size_t pieceA = 0, offsetA = 0, pieceB = 0, offsetB = 0;
    for (;;) {
        while (pieceA < a.size() && offsetA == a[pieceA].size())
            ++pieceA, offsetA = 0;
        while (pieceB < b.size() && offsetB == b[pieceB].size())
            ++pieceB, offsetB = 0;
        if (pieceB == b.size())
            return false;
        if (pieceA == a.size())
            return true;
        const unsigned char byteA = FoldedByte(a[pieceA][offsetA++]);
        const unsigned char byteB = FoldedByte(b[pieceB][offsetB++]);
        if (byteA != byteB)
            return byteA < byteB;
    }
}

}  // namespace

LabelPieces MemoryGaugeList::Item::Pieces() const
{
    if (borrowed)
        return GaugeLabelPieces(borrowedKey, borrowedUsers);
    return {label, {}, {}, {}};
}

void MemoryGaugeList::Clear()
{
    items_.clear();
}

GaugeList::Entry MemoryGaugeList::Append(const std::string& label)
{
    Item item;
    item.label = label;
    return Add(std::move(item));
}

GaugeList::Entry MemoryGaugeList::AppendUsage(const std::string& key, const std::string& users)
{
    if (texts_ == Texts::Copied)
        return GaugeList::AppendUsage(key, users);
    Item item;
    item.borrowedKey = key;
    item.borrowedUsers = users;
    item.borrowed = true;
    return Add(std::move(item));
}

GaugeList::Entry MemoryGaugeList::Add(Item item)
{
    items_.push_back(std::move(item));
    items_.back().self = std::prev(items_.end());
    return &items_.back();
}

void MemoryGaugeList::SetChecked(Entry entry)
{
    SetChecked(entry, true);
}

void MemoryGaugeList::SetChecked(Entry entry, bool checked)
{
    static_cast<Item*>(entry)->checked = checked;
}

void MemoryGaugeList::SortByLabel()
{
    // std::list::sort relinks nodes, so entry handles stay valid.
    items_.sort([](const Item& a, const Item& b) { return LessIgnoringCase(a.Pieces(), b.Pieces()); });
}

std::size_t MemoryGaugeList::Count() const
{
    return items_.size();
}

GaugeList::Entry MemoryGaugeList::First() const
{
    return items_.empty() ? nullptr : &items_.front();
}

GaugeList::Entry MemoryGaugeList::Next(Entry entry) const
{
    auto next = std::next(PositionOf(entry));
    return next == items_.end() ? nullptr : &*next;
}

std::string MemoryGaugeList::Label(Entry entry) const
{
    const Item& item = *static_cast<const Item*>(entry);
    return item.borrowed ? FormatGaugeLabel(item.borrowedKey, item.borrowedUsers) : item.label;
}

bool MemoryGaugeList::IsChecked(Entry entry) const
{
    return static_cast<const Item*>(entry)->checked;
}

void MemoryGaugeList::Delete(Entry entry)
{
    items_.erase(PositionOf(entry));
}

GaugeList::Entry MemoryGaugeList::FindByKey(const std::string& key) const
{
    for (Item& item : items_)
        if (KeyFromLabel(Label(&item)) == key)
            return &item;
    return nullptr;
}

MemoryGaugeList::Items::iterator MemoryGaugeList::PositionOf(Entry entry)
{
    return static_cast<Item*>(entry)->self;
}

}  // namespace dalvorn
