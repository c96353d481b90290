#pragma once
// Partial copies left behind by a move between volumes that was killed
// before it ended.

#include <string>
#include <vector>

namespace dalvorn {

// Removes, in each of the two folders of a pass, the partial copies of the
// gauges in the other folder, and returns their paths. A file only counts
// as such a copy when it is a regular file under a partial copy's name of
// a gauge that is in the other folder, and all its bytes are the first
// bytes of that gauge: removing it loses nothing. Anything else under such
// a name is left alone.
std::vector<std::string> RemoveLeftoverCopies(const std::string& sourceFolder, const std::string& destinationFolder);

}  // namespace dalvorn
