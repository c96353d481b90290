#include "win32_file_system.h"

#include <windows.h>

#include "platform/native_file_system.h"
#include "win32_handle.h"
#include "win32_text.h"

namespace dalvorn {

bool RunsUnderWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

bool Win32FileSystem::Exists(const std::string& path) const
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32FileSystem::CreateFolder(const std::string& path)
{
    CreateDirectoryA(path.c_str(), nullptr);
}

std::string Win32FileSystem::SpellingOnDisk(const std::string& path) const
{
    const std::wstring wide = WideFromCodePage(CP_ACP, path);
    std::wstring spelt(wide.size() + MAX_PATH, L'\0');
    const DWORD length = GetLongPathNameW(wide.c_str(), &spelt[0], static_cast<DWORD>(spelt.size()));
    if (length == 0 || length >= spelt.size())
        return path;
    spelt.resize(length);
    return CodePageFromWide(CP_ACP, spelt);
}

std::optional<FolderIdentity> Win32FileSystem::IdentifyFolder(const std::string& path) const
{
    FileHandle folder(OpenForQuery(path.c_str()));
    BY_HANDLE_FILE_INFORMATION information;
    if (!folder.IsValid() || !GetFileInformationByHandle(folder.Get(), &information))
        return std::nullopt;
    FolderIdentity identity;
    identity.volume = information.dwVolumeSerialNumber;
    identity.index = (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    identity.includesVolume = !RunsUnderWine();
    return identity;
}

std::unique_ptr<FileSystem> CreateNativeFileSystem()
{
    return std::make_unique<Win32FileSystem>();
}

}  // namespace dalvorn
