#pragma once

#include <functional>
#include <string>

namespace dalvorn {

class FileSystem;
class GaugeList;
class GaugeUsageTable;
class OwnerWindow;

// The Scan command: takes the inventory of Gauges, records which aircraft
// panels use each gauge, and refills the list, unused gauges ticked. A file
// it cannot read ends it with an error shown by the owner, table and list as
// they were. True when the list was refilled.
bool ScanSimulatorFolder(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                         GaugeUsageTable& table, GaugeList& list);

// Visits every panel.cfg of every aircraft folder under the simulator
// folder's Aircraft, in the order the scan reads them: the aircraft's name,
// the folder holding the panel and the panel's path.
using PanelVisitor = std::function<void(const std::string& aircraftName, const std::string& panelFolder,
                                        const std::string& panelPath)>;
void ForEachAircraftPanel(const FileSystem& fileSystem, const std::string& folder, const PanelVisitor& visit);

// The gauges in `gaugeFolder` (Gauges, or its unused), with no users.
GaugeUsageTable GaugeInventory(const FileSystem& fileSystem, const std::string& gaugeFolder);

// The gauges in `gaugeFolder` (Gauges, or its unused), each with the aircraft
// under the simulator folder `folder` whose panels use it. Raises
// FileException when a panel or folder cannot be read.
GaugeUsageTable UsageOfGaugesIn(const FileSystem& fileSystem, const std::string& folder,
                                const std::string& gaugeFolder);

// Reads every panel.cfg in the folder and beneath it, depth-first, sub-folders
// before the folder's own panel, following links but never round a loop.
void WalkAircraftFolder(const FileSystem& fileSystem, const std::string& aircraftName,
                        const std::string& folderPath, GaugeUsageTable& table);

}  // namespace dalvorn
