#pragma once
// Turns the raw result of a registry string query into text, refusing
// anything that is not a complete, terminated string.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/registered_simulator_folder.h"

namespace dalvorn {

// Bytes a string value may take, its terminator included.
constexpr DWORD kRegistryStringCapacity = kMaxRegisteredFolderLength + 1;

// `status` and `type` as RegQueryValueExA reported them; `returned` holds
// the bytes it wrote (the reported size, never more than the buffer).
// Gives the text before the first terminator, or nothing when the query
// failed (a value too long for the buffer included), the type is neither
// REG_SZ nor REG_EXPAND_SZ (the latter is not expanded), no terminator lies
// within the returned bytes, or the text is empty or longer than
// kRegistryStringCapacity - 1 characters.
std::optional<std::string> StringFromRegistryValue(LONG status, DWORD type, std::string_view returned);

}  // namespace dalvorn
