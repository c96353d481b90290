#pragma once
// The gauge containers the panels name that the simulator would not find:
// the answer to "why does my panel show blank squares?".
//
// The container named before a gauge line's '!' is looked for where the
// simulator looks: gauges\NAME.gau, gauges\NAME.cab or a folder gauges\NAME,
// letter case ignored. A NAME holding '\' or '/' is a path from there
// (ResolvePanelPath). An alias whose panel.cfg is not there is missing too.

#include <string>
#include <vector>

namespace dalvorn {

class FileSystem;

enum class ContainerState {
    Moved,    // NAME.gau or NAME.cab is in gauges\unused
    Local,    // only beside the panel, where the simulator does not look
    Missing,  // nowhere
};

struct MissingContainer {
    ContainerState state;
    // The name as the panel gives it, in lower case; a moved one as its
    // gauge key, "name.gau"; an alias as written.
    std::string name;
    // The aircraft whose panels name it, each once, in the scan's order.
    std::vector<std::string> neededBy;
};

// Every container some panel of the simulator folder names that is not in
// the gauge folder, sorted by name; one entry per name and state. Raises
// FileException when a panel cannot be read.
std::vector<MissingContainer> FindMissingContainers(const FileSystem& fileSystem, const std::string& folder);

}  // namespace dalvorn
