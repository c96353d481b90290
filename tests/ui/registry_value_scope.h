#pragma once
// Puts the simulator's "EXE Path" value into the 32-bit registry view, where
// its installer writes it, and removes it again when the scope ends.

#include <windows.h>

#include <string>

namespace dalvorn::test_support {

class RegistryValueScope {
public:
    // Removes the value, so the program starts without one.
    RegistryValueScope();
    // Stores `data` with the registry type `type`, byte for byte.
    RegistryValueScope(DWORD type, const std::string& data);
    explicit RegistryValueScope(const std::string& folder) : RegistryValueScope(REG_SZ, folder + '\0') {}
    ~RegistryValueScope();
    RegistryValueScope(const RegistryValueScope&) = delete;
    RegistryValueScope& operator=(const RegistryValueScope&) = delete;

private:
    HKEY key_ = nullptr;
};

}  // namespace dalvorn::test_support
