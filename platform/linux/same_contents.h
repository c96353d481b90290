#pragma once

#include <string>

namespace dalvorn {

// True when both entries are regular files (links are not followed) holding
// the same bytes. Opens neither in a way that could wait on a pipe.
bool HoldSameContents(int leftFolder, const std::string& left, int rightFolder, const std::string& right);

}  // namespace dalvorn
