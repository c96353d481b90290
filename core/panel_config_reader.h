#pragma once

#include <functional>
#include <string>

namespace dalvorn {

class FileSystem;

// The name under which every folder of an aircraft may hold its panel.
inline constexpr char kPanelFileName[] = "panel.cfg";

// True for the name of an aircraft's panel file, "panel.cfg" in any letter
// case, as the file system matches it.
bool IsPanelFileName(const std::string& name);

// Visits the container every gauge line of the panel file at `panelPath`
// names (GaugeLine's rule, the panel's strings put in: PanelDefinitions), in
// the text in which this platform spells file names, and gives the alias
// the panel names in that text (empty when none). The panel is read as
// PanelTextFile tells its encoding, holding no more of it than its strings
// and the distinct names that use them. Raises FileException when it cannot
// be read (a folder of that name included).
using GaugeNameVisitor = std::function<void(const std::string& name)>;
std::string ReadPanelFile(const FileSystem& fileSystem, const std::string& panelPath, const GaugeNameVisitor& visit);

}  // namespace dalvorn
