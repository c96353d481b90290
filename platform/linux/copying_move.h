#pragma once

#include <string>

namespace dalvorn {

// Moves a file to another volume: copies it under a temporary name beside
// `to`, gives the copy the name `to` only once it is whole (never replacing
// anything there), then removes `from`. Whatever fails undoes what came
// before, so no partial or second copy is left. False on any failure, with
// errno telling why.
bool MoveByCopying(const std::string& from, const std::string& to);

}  // namespace dalvorn
