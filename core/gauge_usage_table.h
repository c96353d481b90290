#pragma once
// Which aircraft use which gauge: gauge key -> users joined by ", ".

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>

namespace dalvorn {

class GaugeUsageTable {
public:
    using Visitor = std::function<void(const std::string& key, const std::string& users)>;

    // Inserts the key if absent; in both cases empties its user list.
    void ResetGauge(const std::string& key);

    // Appends the aircraft to the key's users unless it is the user added
    // last. A scan adds all of one aircraft's users before the next
    // aircraft's, so each aircraft is listed once per gauge, in the order
    // first met. Keys not in the table are ignored.
    void AddUser(const std::string& key, const std::string& aircraft);

    void RemoveGauge(const std::string& key) { entries_.erase(key); }

    void ForEach(const Visitor& visit) const;

    std::size_t Size() const { return entries_.size(); }
    bool Contains(const std::string& key) const { return entries_.count(key) != 0; }
    const std::string& Users(const std::string& key) const { return entries_.at(key).text; }

private:
    struct UserList {
        std::string text;
        // Where the user added last begins in the text.
        std::size_t lastUserStart = 0;

        bool EndsWithUser(const std::string& aircraft) const;
    };

    std::unordered_map<std::string, UserList> entries_;
};

}  // namespace dalvorn
