#include "gauge_usage_table.h"

#include <cstring>

namespace dalvorn {

namespace {

const char kUserSeparator[] = ", ";

// A plain substring search, tuned for lists of names that share their first
// letters: a candidate must match the first and the last byte before the
// whole name is compared.
bool ContainsText(const std::string& text, const std::string& part)
{
    const std::size_t length = part.size();
    if (length == 0)
        return true;
    if (length > text.size())
        return false;
    const char* position = text.data();
    const char* const lastStart = text.data() + (text.size() - length);
    while (position <= lastStart) {
        position = static_cast<const char*>(std::memchr(position, part.front(), lastStart - position + 1));
        if (position == nullptr)
            return false;
        if (position[length - 1] == part.back() && std::memcmp(position, part.data(), length - 1) == 0)
            return true;
        ++position;
    }
    return false;
}

}  // namespace

bool GaugeUsageTable::Entry::EndsWithUser(const std::string& aircraft) const
{
    return users.size() - lastUserStart == aircraft.size() &&
           users.compare(lastUserStart, aircraft.size(), aircraft) == 0;
}

void GaugeUsageTable::ResetGauge(const std::string& key)
{
    Entry& entry = entries_[key];
    entry.users.clear();
    entry.lastUserStart = 0;
}

void GaugeUsageTable::AddUser(const std::string& key, const std::string& aircraft)
{
    auto found = entries_.find(key);
    if (found == entries_.end())
        return;
    Entry& entry = found->second;
    // The last appended name is part of the list, so the search below would
    // find it too; this only skips the search.
    if (entry.EndsWithUser(aircraft) || ContainsText(entry.users, aircraft))
        return;
    if (!entry.users.empty())
        entry.users += kUserSeparator;
    entry.lastUserStart = entry.users.size();
    entry.users += aircraft;
}

void GaugeUsageTable::RemoveGauge(const std::string& key)
{
    entries_.erase(key);
}

void GaugeUsageTable::ForEach(const Visitor& visit) const
{
    for (const auto& [key, entry] : entries_)
        visit(key, entry.users);
}

}  // namespace dalvorn
