#pragma once
// The simulator folder its installer registered: the value "EXE Path" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\8.0.

#include <cstddef>
#include <optional>
#include <string>

namespace dalvorn {

// The longest folder the simulator's installer can register: it reads the
// value into a buffer of 255 bytes with its terminator.
constexpr std::size_t kMaxRegisteredFolderLength = 254;

// On Windows read from the registry (the 32-bit view, where the simulator's
// installer writes it); on Linux from the Wine prefix's registry file, its
// drive letter mapped to a host path. Nothing when the value is missing,
// not a terminated string, or longer than kMaxRegisteredFolderLength
// characters.
std::optional<std::string> FindRegisteredSimulatorFolder();

}  // namespace dalvorn
