#pragma once
// Undoing a move: gauges go back from gauges\unused into gauges.

#include <cstddef>
#include <string>

namespace dalvorn {

class FileSystem;
class GaugeList;
class GaugeUsageTable;
class OwnerWindow;

// The gauges in gauges\unused entered into the table, each with the
// aircraft whose panels name it (none when `withUsers` is false). False,
// after telling the owner, when the gauge folder is missing or a panel
// cannot be read (the table as it was); a missing or empty unused folder
// gives no gauge.
bool ScanUnusedGauges(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                      GaugeUsageTable& table, bool withUsers = true);

// The Restore Selected command: moves every ticked gauge from gauges\unused
// back into gauges in list order, taking restored ones off the list, and
// reports the counts. The first failure ends the pass without a report.
// Returns how many gauges are back.
std::size_t RestoreSelectedGauges(FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                                  GaugeList& list);

}  // namespace dalvorn
