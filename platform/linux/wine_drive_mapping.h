#pragma once
// Where a Windows path of a program running under Wine lies on the host.

#include <optional>
#include <string>

namespace dalvorn {

// Maps `windowsPath` ("C:\..." or "C:/...") into the Wine prefix at `prefix`:
// the drive letter, in either case, through the prefix's dosdevices link
// ("c:" -> ../drive_c), then each component matched against the entries of
// the host folder reached so far without regard to ASCII letter case, the
// exact spelling first. Components that do not exist on the host are kept
// as written. Gives a host path with '/' separators, or nothing when the
// path does not start with a drive letter or the drive is not mapped.
std::optional<std::string> MapWindowsPathIntoWinePrefix(const std::string& prefix, const std::string& windowsPath);

}  // namespace dalvorn
