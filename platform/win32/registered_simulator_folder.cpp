#include "platform/registered_simulator_folder.h"

#include <windows.h>

#include <algorithm>

#include "registry_string_value.h"

namespace dalvorn {

namespace {

const char kSimulatorKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
const char kFolderValue[] = "EXE Path";

// An open registry key, closed when it goes out of scope.
class RegistryKey {
public:
    RegistryKey(HKEY parent, const char* subKey, REGSAM access)
    {
        if (RegOpenKeyExA(parent, subKey, 0, access, &handle_) != ERROR_SUCCESS)
            handle_ = nullptr;
    }
    ~RegistryKey()
    {
        if (handle_ != nullptr)
            RegCloseKey(handle_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return handle_ != nullptr; }
    HKEY Handle() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

}  // namespace

std::optional<std::string> FindRegisteredSimulatorFolder()
{
    // The simulator's installer is a 32-bit program, so its entry lives in
    // the 32-bit view; 32-bit Windows ignores the flag.
    const RegistryKey key(HKEY_LOCAL_MACHINE, kSimulatorKey, KEY_QUERY_VALUE | KEY_WOW64_32KEY);
    if (!key.IsOpen())
        return std::nullopt;

    char buffer[kRegistryStringCapacity] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof(buffer);
    const LONG status = RegQueryValueExA(key.Handle(), kFolderValue, nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    const std::size_t returned = std::min<std::size_t>(size, sizeof(buffer));
    return StringFromRegistryValue(status, type, std::string_view(buffer, returned));
}

}  // namespace dalvorn
