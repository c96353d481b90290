#pragma once
// Reads string values from the text of a Wine registry file (system.reg,
// user.reg). Such a file lists each key as a line "[Name] timestamp" with
// its path relative to the file's root, followed by its values as
// "name"=data lines; names and strings use C-like escapes.

#include <optional>
#include <string>
#include <string_view>

namespace dalvorn {

// The value `valueName` of the key `keyPath` (components separated by single
// backslashes), both compared without regard to ASCII letter case; an empty
// `valueName` asks for the key's default value. Gives the text in UTF-8 up to
// its first NUL character when the value is a string (REG_SZ, or
// REG_EXPAND_SZ left unexpanded). Nothing when the key or the value is
// missing, the value has another type, or its text is malformed.
std::optional<std::string> FindWineRegistryString(std::string_view fileText, std::string_view keyPath,
                                                  std::string_view valueName);

}  // namespace dalvorn
