#pragma once
// Every gauge the aircraft under a simulator folder's Aircraft load, panel
// by panel, in the order the scan reads them: the aircraft folders in
// listing order, and in each, depth-first, sub-folders before the folder's
// own panel files (every spelling of "panel.cfg" it holds). A panel's alias
// is followed to the panel.cfg of the folder it names, from Aircraft, for
// the same aircraft (an alias of an alias too, up to kLongestAliasChain).

#include <functional>
#include <string>

namespace dalvorn {

class FileSystem;

inline constexpr int kLongestAliasChain = 8;

struct PanelGaugeVisitor {
    // A container name a panel of `aircraft` gives (ReadPanelFile), with the
    // folder of that panel.
    std::function<void(const std::string& aircraft, const std::string& panelFolder, const std::string& name)> gauge;
    // An alias, as the panel writes it, whose panel.cfg is not there.
    std::function<void(const std::string& aircraft, const std::string& alias)> missingAlias;
};

// Raises FileException when a panel or folder on the way cannot be read.
void ForEachPanelGauge(const FileSystem& fileSystem, const std::string& folder, const PanelGaugeVisitor& visit);

}  // namespace dalvorn
