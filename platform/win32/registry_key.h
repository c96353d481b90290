#pragma once
// An open registry key, closed when it goes out of scope.

#include <windows.h>

namespace dalvorn {

class RegistryKey {
public:
    // Opens `subKey` of `parent`; check IsOpen() afterwards.
    RegistryKey(HKEY parent, const char* subKey, REGSAM access);
    ~RegistryKey();

    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return handle_ != nullptr; }
    HKEY Handle() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

}  // namespace dalvorn
