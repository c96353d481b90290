#include "gauge_list.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "file_system.h"
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

void RenderUsageTable(const FileSystem& fileSystem, const GaugeUsageTable& table, GaugeList& list,
                      TickedGauges ticked)
{
    // The table's own texts, which stay put while it is not changed.
    using Row = std::pair<const std::string*, const std::string*>;
    std::vector<Row> rows;
    rows.reserve(table.Size());
    table.ForEach([&rows](const std::string& key, const std::string& users) { rows.emplace_back(&key, &users); });
    std::sort(rows.begin(), rows.end(),
              [&fileSystem](const Row& a, const Row& b) { return fileSystem.NamePrecedes(*a.first, *b.first); });
    list.SuspendRedraw();
    list.Clear();
    for (const auto& [key, users] : rows) {
        GaugeList::Entry entry = list.AppendUsage(*key, *users);
        if (users->empty() == (ticked == TickedGauges::Unused))
            list.SetChecked(entry);
    }
    list.ResumeRedraw();
}

}  // namespace dalvorn
