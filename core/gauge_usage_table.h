#pragma once
// Which aircraft use which gauge: gauge key -> users joined by ", ".

#include <functional>
#include <string>
#include <unordered_map>

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
    const std::string& Users(const std::string& key) const { return entries_.at(key).users; }

private:
    struct Entry {
        std::string users;
        // Where the last appended name starts in `users`. An aircraft names
        // the same gauge in line after line and panel after panel; seeing
        // that it was the last one appended spares searching the whole list.
        std::size_t lastUserStart = 0;

        bool EndsWithUser(const std::string& aircraft) const;
    };

    std::unordered_map<std::string, Entry> entries_;
};

}  // namespace dalvorn
