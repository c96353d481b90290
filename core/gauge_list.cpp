#include "gauge_list.h"

#include "gauge_usage_table.h"

namespace dalvorn {

namespace {
const char kUsedByMarker[] = " (Used By: ";
}

std::string FormatGaugeLabel(const std::string& key, const std::string& users)
{
    return key + kUsedByMarker + users + ")";
}

std::string KeyFromLabel(const std::string& label)
{
    return label.substr(0, label.find(kUsedByMarker));
}

void RenderUsageTable(const GaugeUsageTable& table, GaugeList& list)
{
    list.SuspendRedraw();
    list.Clear();
    table.ForEach([&list](const std::string& key, const std::string& users) {
        GaugeList::Entry entry = list.Append(FormatGaugeLabel(key, users));
        if (users.empty())
            list.SetChecked(entry);
    });
    list.ResumeRedraw();
    list.SortByLabel();
}

}  // namespace dalvorn
