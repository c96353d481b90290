#pragma once

#include <string>

namespace dalvorn {

// True when the name matches a wildcard pattern the way Windows matches long
// names: '*' stands for any run of characters, '?' for one, letters match in
// either case, and "*.*" matches every name, names without a dot included.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

}  // namespace dalvorn
