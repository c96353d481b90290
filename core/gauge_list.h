#pragma once
// The ordered, flat list of gauge entries the user ticks. The main dialog
// provides it over its tree control; the console uses MemoryGaugeList.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace dalvorn {

class FileSystem;
class GaugeUsageTable;

class GaugeList {
public:
    // A handle that stays valid until its own entry is deleted; nullptr is none.
    using Entry = void*;

    virtual ~GaugeList() = default;
    virtual void Clear() = 0;
    virtual Entry Append(const std::string& label) = 0;
    // Appends the entry of one gauge, labelled "key (Used By: users)". A list
    // may keep the two texts instead of a copy of the label when its owner
    // keeps them unchanged for the list's life (MemoryGaugeList::Texts).
    virtual Entry AppendUsage(const std::string& key, const std::string& users);
    virtual void SetChecked(Entry entry) = 0;
    virtual std::size_t Count() const = 0;
    virtual Entry First() const = 0;
    virtual Entry Next(Entry entry) const = 0;
    virtual std::string Label(Entry entry) const = 0;
    virtual bool IsChecked(Entry entry) const = 0;
    virtual void Delete(Entry entry) = 0;
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;
};

// "key (Used By: users)"
std::string FormatGaugeLabel(std::string_view key, std::string_view users);

// The same label as the consecutive texts it is made of.
using LabelPieces = std::array<std::string_view, 4>;
LabelPieces GaugeLabelPieces(std::string_view key, std::string_view users);

// The gauge key at the start of a label.
std::string KeyFromLabel(const std::string& label);

// True when the label names at least one user.
bool LabelNamesUsers(const std::string& label);

// True when some entry is ticked.
bool HasTickedEntry(const GaugeList& list);

// Which entries a refill ticks: the unused gauges, to be moved away, or the
// used ones, to be brought back.
enum class TickedGauges { Unused, Used };

// Refills the list from the table: one entry per gauge, ticked as asked, in
// the file system's order of the keys (the order of the labels, since a key
// holds no character below the blank that follows it), repainted once.
void RenderUsageTable(const FileSystem& fileSystem, const GaugeUsageTable& table, GaugeList& list,
                      TickedGauges ticked = TickedGauges::Unused);

}  // namespace dalvorn
