#pragma once
// The gauge list kept in memory, for callers without a tree control.

#include <list>

#include "gauge_list.h"

namespace dalvorn {

class MemoryGaugeList : public GaugeList {
public:
    void Clear() override { items_.clear(); }
    Entry Append(const GaugeRecord& record) override
    {
        items_.push_back({record, false, {}});
        items_.back().self = std::prev(items_.end());
        return &items_.back();
    }
    void SetChecked(Entry entry, bool checked) override { ItemOf(entry).checked = checked; }
    std::size_t Count() const override { return items_.size(); }
    Entry First() const override { return items_.empty() ? nullptr : &items_.front(); }
    Entry Next(Entry entry) const override
    {
        auto next = std::next(ItemOf(entry).self);
        return next == items_.end() ? nullptr : &*next;
    }
    const GaugeRecord& Record(Entry entry) const override { return ItemOf(entry).record; }
    bool IsChecked(Entry entry) const override { return ItemOf(entry).checked; }
    void Delete(Entry entry) override { items_.erase(ItemOf(entry).self); }
    void SuspendRedraw() override {}
    void ResumeRedraw() override {}

private:
    struct Item;
    using Items = std::list<Item>;
    struct Item {
        GaugeRecord record;
        bool checked = false;
        Items::iterator self;  // list iterators survive other deletions
    };
    static Item& ItemOf(Entry entry) { return *static_cast<Item*>(entry); }

    mutable Items items_;
};

}  // namespace dalvorn
