#pragma once
// Which aircraft use which gauge: gauge key -> users joined by ", ".

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

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

    std::size_t Size() const { return entries_.size(); }
    bool Contains(const std::string& key) const { return entries_.count(key) != 0; }
    const std::string& Users(const std::string& key) const { return entries_.at(key).users.Text(); }

private:
    struct Entry {
        UserList users;
        // The turn of the aircraft last asked about for this gauge. Once
        // asked, an aircraft is in the list, which only grows until reset;
        // so the lines and panels that name the gauge again during the
        // same turn need no answer of their own.
        std::uint64_t askedInTurn = 0;
    };

    // The aircraft of this turn: a turn lasts as long as AddUser is asked
    // about the same aircraft, as while one aircraft's panels are read.
    const SearchedName& AircraftOfTurn(const std::string& aircraft);

    std::unordered_map<std::string, Entry> entries_;
    SearchedName turnAircraft_;
    std::uint64_t turn_ = 0;
};

}  // namespace dalvorn
