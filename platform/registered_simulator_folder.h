#pragma once
// The simulator folder its installer registered: the value "EXE Path" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\8.0.

#include <optional>
#include <string>

namespace dalvorn {

// On Windows read from the registry (the 32-bit view, where the simulator's
// installer writes it); on Linux from the Wine prefix's registry file, its
// drive letter mapped to a host path. Nothing when the value is missing,
// not a terminated string, or longer than 254 characters.
std::optional<std::string> FindRegisteredSimulatorFolder();

}  // namespace dalvorn
