#pragma once
// Which aircraft use which gauge: gauge key -> users joined by ", ".

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "searched_name.h"
#include "user_list.h"

namespace dalvorn {

class GaugeUsageTable {
public:
    using Visitor = std::function<void(const std::string& key, const std::string& users)>;

    // Inserts the key if absent; in both cases empties its user list.
    void ResetGauge(const std::string& key);

    // Appends the aircraft to the key's users unless the joined list already
    // contains it as a substring. Keys not in the table are ignored.
    void AddUser(const std::string& key, const std::string& aircraft);

    void RemoveGauge(const std::string& key);

    void ForEach(const Visitor& visit) const;

    std::size_t Size() const { return keys_.size(); }
    bool Contains(const std::string& key) const { return PositionOf(key) != kNoPosition; }
    const std::string& Users(const std::string& key) const;

private:
    struct Entry {
        UserList users;
        // The turn of the aircraft last asked about for this gauge. Once
        // asked, an aircraft is in the list, which only grows until reset;
        // so the lines and panels that name the gauge again during the
        // same turn need no answer of their own.
        std::uint64_t askedInTurn = 0;
    };

    // Where a key is found: a panel names a gauge in every line, so a
    // look-up reads this small array and, in most cases, the one key it
    // wants.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kNoPosition;
    };
    static constexpr std::uint32_t kNoPosition = UINT32_MAX;

    // The aircraft of this turn: a turn lasts as long as AddUser is asked
    // about the same aircraft, as while one aircraft's panels are read.
    const SearchedName& AircraftOfTurn(const std::string& aircraft);

    // The key's place in keys_ and entries_, or kNoPosition.
    std::uint32_t PositionOf(std::string_view key) const;
    // The slot holding the key, or the empty slot where it would go.
    std::size_t SlotOf(std::string_view key, std::uint32_t hash) const;
    std::size_t SlotOfPosition(std::uint32_t position) const;
    void Vacate(std::size_t slot);
    void GrowSlots();

    // The keys apart from the rest, so that look-ups read a small array.
    std::vector<std::string> keys_;
    std::vector<Entry> entries_;  // entries_[i] belongs to keys_[i]
    std::vector<Slot> slots_;     // a power of two, at most half in use
    SearchedName turnAircraft_;
    std::uint64_t turn_ = 0;
};

}  // namespace dalvorn
