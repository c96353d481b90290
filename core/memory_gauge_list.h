#pragma once
// The gauge list kept in memory, for callers without a tree control.

#include <list>
#include <string>

#include "gauge_list.h"

namespace dalvorn {

class MemoryGaugeList : public GaugeList {
public:
    void Clear() override;
    Entry Append(const std::string& label) override;
    void SetChecked(Entry entry) override;
    void SortByLabel() override;
    std::size_t Count() const override;
    Entry First() const override;
    Entry Next(Entry entry) const override;
    std::string Label(Entry entry) const override;
    bool IsChecked(Entry entry) const override;
    void Delete(Entry entry) override;
    void SuspendRedraw() override {}
    void ResumeRedraw() override {}

    void SetChecked(Entry entry, bool checked);
    // The entry whose key is `key`, or nullptr.
    Entry FindByKey(const std::string& key) const;

private:
    struct Item;
    using Items = std::list<Item>;
    struct Item {
        std::string label;
        bool checked = false;
        Items::iterator self;  // list iterators survive sorting and other deletions
    };

    static Items::iterator PositionOf(Entry entry);

    mutable Items items_;
};

}  // namespace dalvorn
