#pragma once
// The gauge list kept in memory, for callers without a tree control.

#include <list>
#include <string>
#include <string_view>

#include "gauge_list.h"

namespace dalvorn {

class MemoryGaugeList : public GaugeList {
public:
    // How AppendUsage keeps an entry's texts: as a copy of the label, or by
    // reference to the key and users it is given, which must then outlive
    // the list unchanged. A scan whose list is printed once and whose table
    // is kept meanwhile holds the text once that way, not twice.
    enum class Texts { Copied, Borrowed };

    explicit MemoryGaugeList(Texts texts = Texts::Copied) : texts_(texts) {}

    void Clear() override;
    Entry Append(const std::string& label) override;
    Entry AppendUsage(const std::string& key, const std::string& users) override;
    void SetChecked(Entry entry) override;
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
        std::string label;  // empty when borrowed
        std::string_view borrowedKey;
        std::string_view borrowedUsers;
        bool borrowed = false;
        bool checked = false;
        Items::iterator self;  // list iterators survive other deletions
    };

    Entry Add(Item item);
    static Items::iterator PositionOf(Entry entry);

    Texts texts_;
    mutable Items items_;
};

}  // namespace dalvorn
