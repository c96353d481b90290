#include "gauge_usage_table.h"

namespace dalvorn {

namespace {
const char kUserSeparator[] = ", ";
}

bool GaugeUsageTable::UserList::EndsWithUser(const std::string& aircraft) const
{
    return !text.empty() && text.compare(lastUserStart, std::string::npos, aircraft) == 0;
}

void GaugeUsageTable::ResetGauge(const std::string& key)
{
    entries_[key] = UserList();
}

void GaugeUsageTable::AddUser(const std::string& key, const std::string& aircraft)
{
    const auto found = entries_.find(key);
    if (found == entries_.end() || found->second.EndsWithUser(aircraft))
        return;
    UserList& users = found->second;
    if (!users.text.empty())
        users.text += kUserSeparator;
    users.lastUserStart = users.text.size();
    users.text += aircraft;
}

void GaugeUsageTable::ForEach(const Visitor& visit) const
{
    for (const auto& [key, users] : entries_)
        visit(key, users.text);
}

}  // namespace dalvorn
