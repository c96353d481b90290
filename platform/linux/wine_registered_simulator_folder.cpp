#include "wine_registered_simulator_folder.h"

#include <pwd.h>
#include <unistd.h>

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

std::size_t CharacterCount(const std::string& utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

bool IsUsableFolder(const std::string& path)
{
    return !path.empty() && CharacterCount(path) <= kMaxRegisteredFolderLength;
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

std::optional<std::string> HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return std::string(home);
    const passwd* account = getpwuid(getuid());
    if (account != nullptr && account->pw_dir != nullptr && *account->pw_dir != '\0')
        return std::string(account->pw_dir);
    return std::nullopt;
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
    if (!text)
        return std::nullopt;
    const std::optional<std::string> windowsPath = RegisteredSimulatorPathInWineRegistry(*text);
    if (!windowsPath)
        return std::nullopt;
    return MapWindowsPathIntoWinePrefix(prefix, *windowsPath);
}

std::optional<std::string> WinePrefixFromEnvironment()
{
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0')
        return std::string(prefix);
    const std::optional<std::string> home = HomeFolder();
    if (!home)
        return std::nullopt;
    return AppendComponent(*home, ".wine");
}

std::optional<std::string> FindRegisteredSimulatorFolder()
{
    const std::optional<std::string> prefix = WinePrefixFromEnvironment();
    if (!prefix)
        return std::nullopt;
    return FindRegisteredSimulatorFolderInPrefix(*prefix);
}

}  // namespace dalvorn
