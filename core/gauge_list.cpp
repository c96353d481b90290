#include "gauge_list.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "file_system.h"
#include "gauge_usage_table.h"

namespace dalvorn {

GaugeList::Entry GaugeList::Find(const std::string& key) const
{
    for (Entry entry = First(); entry; entry = Next(entry))
        if (Record(entry).key == key)
            return entry;
    return nullptr;
}

std::string FormatGaugeLabel(std::string_view key, std::string_view users)
{
    std::string label;
    label.reserve(key.size() + users.size() + 13);
    label.append(key).append(" (Used By: ").append(users).append(")");
    return label;
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
    using Row = std::pair<const std::string*, const std::string*>;
    std::vector<Row> rows;
    rows.reserve(table.Size());
    table.ForEach([&rows](const std::string& key, const std::string& users) { rows.emplace_back(&key, &users); });
    std::sort(rows.begin(), rows.end(),
              [&fileSystem](const Row& a, const Row& b) { return fileSystem.Names().NamePrecedes(*a.first, *b.first); });
    list.SuspendRedraw();
    list.Clear();
    for (const auto& [key, users] : rows) {
        GaugeList::Entry entry = list.Append({*key, *users});
        if (users->empty() == (ticked == TickedGauges::Unused))
            list.SetChecked(entry, true);
    }
    list.ResumeRedraw();
}

}  // namespace dalvorn
