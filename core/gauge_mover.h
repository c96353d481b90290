#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dalvorn {

class FileSystem;
class GaugeList;
class GaugeUsageTable;
class OwnerWindow;

// How many labels of used gauges the warning before a move lists.
inline constexpr std::size_t kWarningLabelsShown = 10;

// The warning before ticked gauges that panels use are moved: the labels
// (the first kWarningLabelsShown, then how many more) and the question.
std::string UsedGaugesWarningText(const std::vector<std::string>& labels);

// The Move Selected command: when ticked gauges have users, warns first; after
// confirmation moves every ticked gauge from
// gauges into gauges\unused, in list order, and reports the counts. The first
// failed move ends the pass without a report.
void MoveSelectedGauges(FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                        GaugeUsageTable& table, GaugeList& list);

}  // namespace dalvorn
