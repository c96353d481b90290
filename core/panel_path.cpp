#include "panel_path.h"

#include "file_system.h"
#include "plain_name.h"
#include "simulator_folder.h"
#include "text_case.h"

namespace dalvorn {

namespace {

// The parts between separators; the trail byte of a double-byte character
// is never one.
PathComponents Split(const FileSystem& fileSystem, const std::string& path)
{
    PathComponents parts(1);
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == '/') {
            parts.emplace_back();
            continue;
        }
        parts.back() += path[i];
        if (fileSystem.Names().IsLeadByte(path[i]) && i + 1 < path.size())
            parts.back() += path[++i];
    }
    return parts;
}

}  // namespace

std::optional<PathComponents> ResolvePanelPath(const FileSystem& fileSystem, PathComponents base,
                                               const std::string& path)
{
    const PathComponents parts = Split(fileSystem, path);
    if (parts.front().empty() || parts.back().empty())
        return std::nullopt;
    for (const std::string& part : parts) {
        if (part == "..") {
            if (base.empty())
                return std::nullopt;
            base.pop_back();
        } else if (!part.empty() && part != ".") {
            if (!IsPlainName(fileSystem, part))
                return std::nullopt;
            base.push_back(part);
        }
    }
    return base;
}

std::string PathBelow(const FileSystem& fileSystem, const std::string& folder, const PathComponents& components)
{
    std::string path = folder;
    for (const std::string& component : components)
        path = JoinPath(fileSystem, path, component);
    return path;
}

std::optional<std::string> TopLevelGaugeName(const FileSystem& fileSystem, const std::string& name)
{
    if (name.find_first_of("\\/") == std::string::npos)
        return name;
    const std::optional<PathComponents> components = ResolvePanelPath(fileSystem, {kGaugeFolderName}, name);
    if (!components || components->size() != 2 || !EqualsIgnoringAsciiCase(components->front(), kGaugeFolderName))
        return std::nullopt;
    return components->back();
}

}  // namespace dalvorn
