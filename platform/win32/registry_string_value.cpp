#include "registry_string_value.h"

namespace dalvorn {

std::optional<std::string> StringFromRegistryValue(LONG status, DWORD type, std::string_view returned)
{
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    const std::size_t terminator = returned.find('\0');
    if (terminator == std::string_view::npos)
        return std::nullopt;
    if (terminator == 0 || terminator >= kRegistryStringCapacity)
        return std::nullopt;
    return std::string(returned.substr(0, terminator));
}

}  // namespace dalvorn
