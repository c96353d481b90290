#include "gauge_list.h"

#include "gauge_usage_table.h"

namespace dalvorn {

namespace {
const char kUsedByMarker[] = " (Used By: ";
}

LabelPieces GaugeLabelPieces(std::string_view key, std::string_view users)
{
    return {key, kUsedByMarker, users, ")"};
}

std::string FormatGaugeLabel(std::string_view key, std::string_view users)
{
    std::string label;
    for (std::string_view piece : GaugeLabelPieces(key, users))
        label += piece;
    return label;
}

GaugeList::Entry GaugeList::AppendUsage(const std::string& key, const std::string& users)
{
    return Append(FormatGaugeLabel(key, users));
}

std::string KeyFromLabel(const std::string& label)
{
    return label.substr(0, label.find(kUsedByMarker));
}

bool LabelNamesUsers(const std::string& label)
{
    const std::size_t marker = label.find(kUsedByMarker);
    return marker != std::string::npos && label.size() > marker + sizeof(kUsedByMarker) - 1 + 1;
}

bool HasTickedEntry(const GaugeList& list)
{
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
        if (list.IsChecked(entry))
            return true;
    return false;
}

void RenderUsageTable(const GaugeUsageTable& table, GaugeList& list)
{
    list.SuspendRedraw();
    list.Clear();
    table.ForEach([&list](const std::string& key, const std::string& users) {
        GaugeList::Entry entry = list.AppendUsage(key, users);
        if (users.empty())
            list.SetChecked(entry);
    });
    list.ResumeRedraw();
    list.SortByLabel();
}

}  // namespace dalvorn
