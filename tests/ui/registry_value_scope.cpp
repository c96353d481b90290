#include "registry_value_scope.h"

#include <stdexcept>

namespace dalvorn::test_support {

namespace {

const char kSimulatorKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
const char kFolderValue[] = "EXE Path";

HKEY OpenSimulatorKey()
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSimulatorKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the simulator's registry key");
    return key;
}

}  // namespace

RegistryValueScope::RegistryValueScope() : key_(OpenSimulatorKey())
{
    ::RegDeleteValueA(key_, kFolderValue);
}

RegistryValueScope::RegistryValueScope(DWORD type, const std::string& data) : key_(OpenSimulatorKey())
{
    if (::RegSetValueExA(key_, kFolderValue, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                         static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write the simulator's registry value");
}

RegistryValueScope::~RegistryValueScope()
{
    ::RegDeleteValueA(key_, kFolderValue);
    ::RegCloseKey(key_);
}

}  // namespace dalvorn::test_support
