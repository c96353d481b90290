#include "registry_key.h"

namespace dalvorn {

RegistryKey::RegistryKey(HKEY parent, const char* subKey, REGSAM access)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(parent, subKey, 0, access, &opened) == ERROR_SUCCESS)
        handle_ = opened;
}

RegistryKey::~RegistryKey()
{
    if (handle_ != nullptr)
        RegCloseKey(handle_);
}

}  // namespace dalvorn
