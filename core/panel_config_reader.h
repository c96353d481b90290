#pragma once

#include <string>

namespace dalvorn {

class FileSystem;
class GaugeUsageTable;

// The gauge key a panel line names, or nothing when it is not a gauge line:
// "gauge00=Cessna!Airspeed, 10, 20" names "cessna.gau".
bool GaugeKeyFromPanelLine(const FileSystem& fileSystem, const std::string& line, std::string& key);

// Records the aircraft as a user of every gauge named in the folder's
// panel.cfg. A missing panel.cfg is not an error; one that exists but cannot
// be read raises FileException.
void ReadPanelConfiguration(const FileSystem& fileSystem, const std::string& folderPath,
                            const std::string& aircraftName, GaugeUsageTable& table);

}  // namespace dalvorn
