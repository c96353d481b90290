#include "wine_drive_mapping.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "case_insensitive_path.h"
#include "core/text_case.h"

namespace dalvorn {

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsWindowsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The host folder the prefix maps a drive letter to, its links resolved.
std::optional<std::string> DriveRoot(const std::string& prefix, char letter)
{
    const std::string devices = AppendComponent(prefix, "dosdevices");
    const std::optional<std::string> link = FindEntryIgnoringCase(devices, {AsciiLower(letter), ':'});
    std::error_code error;
    if (!link || !std::filesystem::is_directory(AppendComponent(devices, *link), error))
        return std::nullopt;
    const std::filesystem::path root = std::filesystem::canonical(AppendComponent(devices, *link), error);
    return error ? std::nullopt : std::optional<std::string>(root.string());
}

// The path's components after its drive, with "." dropped and ".." taking
// away the one before it, as Windows resolves them.
std::vector<std::string> ComponentsAfterDrive(const std::string& windowsPath)
{
    std::vector<std::string> components;
    for (std::size_t start = 2; start < windowsPath.size();) {
        const std::size_t end = std::min(windowsPath.find_first_of("\\/", start), windowsPath.size());
        const std::string component = windowsPath.substr(start, end - start);
        if (component == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        start = end + 1;
    }
    return components;
}

}  // namespace

std::optional<std::string> MapWindowsPathIntoWinePrefix(const std::string& prefix, const std::string& windowsPath)
{
    const bool hasDrive = windowsPath.size() >= 2 && IsAsciiLetter(windowsPath[0]) && windowsPath[1] == ':';
    if (!hasDrive || (windowsPath.size() > 2 && !IsWindowsSeparator(windowsPath[2])))
        return std::nullopt;
    std::optional<std::string> hostPath = DriveRoot(prefix, windowsPath[0]);
    if (!hostPath)
        return std::nullopt;

    // Once a component is missing on the host, the rest cannot be looked
    // up and keep the spelling they were registered with.
    bool onHost = true;
    for (const std::string& component : ComponentsAfterDrive(windowsPath)) {
        std::optional<std::string> spelling;
        if (onHost)
            spelling = FindEntryIgnoringCase(*hostPath, component);
        onHost = spelling.has_value();
        hostPath = AppendComponent(*hostPath, spelling.value_or(component));
    }
    return hostPath;
}

}  // namespace dalvorn
