#pragma once

#include <functional>
#include <string>

#include "file_system.h"

namespace dalvorn {

class FileSystem;
class GaugeUsageTable;

// The name under which every folder of an aircraft may hold its panel.
inline constexpr char kPanelFileName[] = "panel.cfg";

// The gauge key a line of a panel in the Windows code page names, or nothing
// when it is not a gauge line: "gauge00= Cessna!Airspeed, 10, 20" names
// "cessna.gau". The rule is GaugeLine's.
bool GaugeKeyFromPanelLine(const FileSystem& fileSystem, const std::string& line, std::string& key);

// True for the name of an aircraft's panel file, "panel.cfg" in any letter
// case, as the file system matches it.
bool IsPanelFileName(const std::string& name);

// Records the aircraft as a user of every gauge named in the folder's
// panel.cfg, read as PanelTextFile tells its encoding. A missing panel.cfg is not an error; one that exists but cannot
// be read raises FileException.
void ReadPanelConfiguration(const FileSystem& fileSystem, const std::string& folderPath,
                            const std::string& aircraftName, GaugeUsageTable& table);

// Visits the name of every gauge line of the panel file at `panelPath`
// (what comes before the '!', as the line gives it) with the encoding of
// the panel's text. Raises FileException when it cannot be read.
using GaugeNameVisitor = std::function<void(PanelTextEncoding encoding, const std::string& name)>;
void ForEachGaugeName(const FileSystem& fileSystem, const std::string& panelPath, const GaugeNameVisitor& visit);

// A name ForEachGaugeName gave, in the text in which this platform spells
// file names.
std::string NameTextOfGaugeName(const FileSystem& fileSystem, PanelTextEncoding encoding, const std::string& name);

// The same for a panel file known to exist at `panelPath`, for a caller that
// has just seen it listed in its folder. Raises FileException when it cannot
// be read (a folder of that name included).
void ReadPanelFile(const FileSystem& fileSystem, const std::string& panelPath, const std::string& aircraftName,
                   GaugeUsageTable& table);

}  // namespace dalvorn
