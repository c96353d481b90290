#pragma once

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

// The gauges in `gaugeFolder` (Gauges, or its unused), with no users: its
// gauge files (IsGaugeFile, each a regular file as the platform confirms).
// A gauge whose key is also the name of an entry that is no gauge, as where
// the file system tells letter case apart "X.GAU" and a folder "x.gau" can
// both exist, is left out: its move could take that entry instead.
GaugeUsageTable GaugeInventory(const FileSystem& fileSystem, const std::string& gaugeFolder);

// The gauges in `gaugeFolder` (Gauges, or its unused), each with the aircraft
// under the simulator folder `folder` whose panels use it. Raises
// FileException when a panel or folder cannot be read.
GaugeUsageTable UsageOfGaugesIn(const FileSystem& fileSystem, const std::string& folder,
                                const std::string& gaugeFolder);

}  // namespace dalvorn
