#include "gauge_usage_table.h"

namespace dalvorn {

void GaugeUsageTable::ResetGauge(const std::string& key)
{
    entries_[key] = Entry();
}

void GaugeUsageTable::AddUser(const std::string& key, const std::string& aircraft)
{
    auto found = entries_.find(key);
    if (found == entries_.end())
        return;
    Entry& entry = found->second;
    const SearchedName& name = AircraftOfTurn(aircraft);
    if (entry.askedInTurn == turn_)
        return;
    entry.askedInTurn = turn_;
    if (!entry.users.Contains(name))
        entry.users.Append(name);
}

const SearchedName& GaugeUsageTable::AircraftOfTurn(const std::string& aircraft)
{
    if (turn_ == 0 || aircraft != turnAircraft_.Text()) {
        turnAircraft_ = SearchedName(aircraft);
        ++turn_;
    }
    return turnAircraft_;
}

void GaugeUsageTable::RemoveGauge(const std::string& key)
{
    entries_.erase(key);
}

void GaugeUsageTable::ForEach(const Visitor& visit) const
{
    for (const auto& [key, entry] : entries_)
        visit(key, entry.users.Text());
}

}  // namespace dalvorn
