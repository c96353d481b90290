#include "memory_gauge_list.h"

namespace dalvorn {

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
