#pragma once

#include <string>

namespace dalvorn {

class FileSystem;
class GaugeList;
class GaugeUsageTable;
class OwnerWindow;

// The Move Selected command: after confirmation moves every ticked gauge from
// gauges into gauges\unused, in list order, and reports the counts. The first
// failed move ends the pass without a report.
void MoveSelectedGauges(FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                        GaugeUsageTable& table, GaugeList& list);

}  // namespace dalvorn
