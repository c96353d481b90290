#pragma once

#include <string>

namespace dalvorn {

class FileSystem;
class GaugeList;
class GaugeUsageTable;
class OwnerWindow;

// The Scan command: takes the inventory of Gauges, records which aircraft
// panels use each gauge, and refills the list, unused gauges ticked. A file
// it cannot read ends it with an error shown by the owner, the list as it
// was.
void ScanSimulatorFolder(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                         GaugeUsageTable& table, GaugeList& list);

// Reads every panel.cfg in the folder and beneath it, depth-first, sub-folders
// before the folder's own panel, following links but never round a loop.
void WalkAircraftFolder(const FileSystem& fileSystem, const std::string& aircraftName,
                        const std::string& folderPath, GaugeUsageTable& table);

}  // namespace dalvorn
