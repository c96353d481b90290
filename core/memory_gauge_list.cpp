#include "memory_gauge_list.h"

#include <algorithm>

#include "text_case.h"

namespace dalvorn {

namespace {
bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
    });
}
}  // namespace

void MemoryGaugeList::Clear()
{
    items_.clear();
}

GaugeList::Entry MemoryGaugeList::Append(const std::string& label)
{
    items_.push_back(Item{label, false, {}});
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
    items_.sort([](const Item& a, const Item& b) { return LessIgnoringCase(a.label, b.label); });
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
    return static_cast<const Item*>(entry)->label;
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
        if (KeyFromLabel(item.label) == key)
            return &item;
    return nullptr;
}

MemoryGaugeList::Items::iterator MemoryGaugeList::PositionOf(Entry entry)
{
    return static_cast<Item*>(entry)->self;
}

}  // namespace dalvorn
