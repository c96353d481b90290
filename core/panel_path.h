#pragma once
// Paths a panel gives (a gauge's container, an alias), resolved below the
// simulator folder as the file system resolves them: '\' or '/' between the
// parts, "." staying, ".." climbing, but never above the simulator folder.

#include <optional>
#include <string>
#include <vector>

namespace dalvorn {

class FileSystem;

// The folders below the simulator folder, outermost first.
using PathComponents = std::vector<std::string>;

// `base` followed by the path's parts, or nothing when the path climbs above
// the simulator folder, starts at a root, ends in a separator or holds a part
// that is no plain name.
std::optional<PathComponents> ResolvePanelPath(const FileSystem& fileSystem, PathComponents base,
                                               const std::string& path);

// The simulator folder's path followed by the components.
std::string PathBelow(const FileSystem& fileSystem, const std::string& folder, const PathComponents& components);

// The name of the file in Gauges itself, without extension, that a gauge
// line's container names: the name itself when it holds no separator, else
// the last part of a path that leads back into Gauges (".\Cessna",
// "sub\..\radio", "../Gauges/vor"); nothing for a path that ends elsewhere.
std::optional<std::string> TopLevelGaugeName(const FileSystem& fileSystem, const std::string& name);

}  // namespace dalvorn
