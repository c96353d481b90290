#include "wine_registered_simulator_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "case_insensitive_path.h"
#include "platform/registered_simulator_folder.h"
#include "posix_readable_file.h"
#include "wine_drive_mapping.h"
#include "wine_registry_file.h"

namespace dalvorn {

namespace {

constexpr std::string_view kSimulatorKeys[] = {
    "Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
    "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
};
constexpr std::string_view kFolderValue = "EXE Path";

// Not empty and at most kMaxRegisteredFolderLength characters long, each UTF-8 sequence counted once.
bool IsUsableFolder(const std::string& path)
{
    const auto isLeadByte = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    return !path.empty() &&
           static_cast<std::size_t>(std::count_if(path.begin(), path.end(), isLeadByte)) <= kMaxRegisteredFolderLength;
}

// The file's text; nothing when it is missing, no regular file or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path)
{
    try {
        const std::unique_ptr<ReadableFile> file = OpenRegularFile(path, path);
        std::string text;
        char buffer[65536];
        while (const std::size_t count = file->Read(buffer, sizeof(buffer)))
            text.append(buffer, count);
        return text;
    } catch (const FileException&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> RegisteredSimulatorPathInWineRegistry(std::string_view systemRegistryText)
{
    for (const std::string_view key : kSimulatorKeys) {
        const std::optional<std::string> path = FindWineRegistryString(systemRegistryText, key, kFolderValue);
        if (path && IsUsableFolder(*path))
            return path;
    }
    return std::nullopt;
}

std::optional<std::string> FindRegisteredSimulatorFolderInPrefix(const std::string& prefix)
{
    const std::optional<std::string> text = ReadWholeFile(AppendComponent(prefix, "system.reg"));
    const std::optional<std::string> windowsPath = text ? RegisteredSimulatorPathInWineRegistry(*text) : std::nullopt;
    return windowsPath ? MapWindowsPathIntoWinePrefix(prefix, *windowsPath) : std::nullopt;
}

std::optional<std::string> WinePrefixFromEnvironment()
{
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0')
        return std::string(prefix);
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* account = getpwuid(getuid());
        home = account != nullptr ? account->pw_dir : nullptr;
    }
    if (home == nullptr || *home == '\0')
        return std::nullopt;
    return AppendComponent(home, ".wine");
}

std::optional<std::string> FindRegisteredSimulatorFolder()
{
    const std::optional<std::string> prefix = WinePrefixFromEnvironment();
    return prefix ? FindRegisteredSimulatorFolderInPrefix(*prefix) : std::nullopt;
}

}  // namespace dalvorn
