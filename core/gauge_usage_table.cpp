#include "gauge_usage_table.h"

namespace dalvorn {

void GaugeUsageTable::ResetGauge(const std::string& key)
{
    users_[key].clear();
}

void GaugeUsageTable::AddUser(const std::string& key, const std::string& aircraft)
{
    auto found = users_.find(key);
    if (found == users_.end())
        return;
    std::string& users = found->second;
    if (users.find(aircraft) != std::string::npos)
        return;
    if (!users.empty())
        users += ", ";
    users += aircraft;
}

void GaugeUsageTable::RemoveGauge(const std::string& key)
{
    users_.erase(key);
}

void GaugeUsageTable::ForEach(const Visitor& visit) const
{
    for (const auto& [key, users] : users_)
        visit(key, users);
}

}  // namespace dalvorn
