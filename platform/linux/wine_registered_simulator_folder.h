#pragma once
// The simulator folder its installer registered inside a Wine prefix: the
// value "EXE Path" of the simulator's key in the prefix's system.reg.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registered_simulator_folder.h"

namespace dalvorn {

// The Windows path registered in the text of a system.reg file. A 32-bit
// installer in a 64-bit prefix writes below Software\Wow6432Node; that copy
// is preferred, the plain key used when it holds no usable folder. Nothing
// unless the value is a non-empty string of at most
// kMaxRegisteredFolderLength characters.
std::optional<std::string> RegisteredSimulatorPathInWineRegistry(std::string_view systemRegistryText);

// The registered folder of the Wine prefix at `prefix`, as a host path.
std::optional<std::string> FindRegisteredSimulatorFolderInPrefix(const std::string& prefix);

// The prefix Wine itself would use: $WINEPREFIX, else ~/.wine.
std::optional<std::string> WinePrefixFromEnvironment();

}  // namespace dalvorn
