#pragma once
// The ordered, flat list of gauge entries the user ticks. Each entry keeps
// its gauge's record; the label is made from it only to show it. The main
// dialog provides the list over its tree control; the console uses
// MemoryGaugeList.

#include <cstddef>
#include <string>
#include <string_view>

namespace dalvorn {

class FileSystem;
class GaugeUsageTable;

struct GaugeRecord {
    std::string key;
    std::string users;  // joined by ", "; empty for an unused gauge
};

class GaugeList {
public:
    // A handle that stays valid until its own entry is deleted; nullptr is none.
    using Entry = void*;

    virtual ~GaugeList() = default;
    virtual void Clear() = 0;
    // Adds an entry at the end, unticked.
    virtual Entry Append(const GaugeRecord& record) = 0;
    virtual void SetChecked(Entry entry, bool checked) = 0;
    virtual std::size_t Count() const = 0;
    virtual Entry First() const = 0;
    virtual Entry Next(Entry entry) const = 0;
    virtual const GaugeRecord& Record(Entry entry) const = 0;
    virtual bool IsChecked(Entry entry) const = 0;
    virtual void Delete(Entry entry) = 0;
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;

    // The entry of the gauge `key`, or nullptr.
    Entry Find(const std::string& key) const;
};

// "key (Used By: users)", as the user sees an entry.
std::string FormatGaugeLabel(std::string_view key, std::string_view users);
inline std::string FormatGaugeLabel(const GaugeRecord& record) { return FormatGaugeLabel(record.key, record.users); }

// True when some entry is ticked.
bool HasTickedEntry(const GaugeList& list);

// Which entries a refill ticks: the unused gauges, to be moved away, or the
// used ones, to be brought back.
enum class TickedGauges { Unused, Used };

// Refills the list from the table: one entry per gauge, ticked as asked, in
// the file system's order of the keys, repainted once.
void RenderUsageTable(const FileSystem& fileSystem, const GaugeUsageTable& table, GaugeList& list,
                      TickedGauges ticked = TickedGauges::Unused);

}  // namespace dalvorn
