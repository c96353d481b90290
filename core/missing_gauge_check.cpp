#include "missing_gauge_check.h"

#include <map>
#include <optional>
#include <utility>

#include "file_system.h"
#include "folder_scan.h"
#include "panel_config_reader.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

using PathComponents = std::vector<std::string>;

bool IsNameSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The parts of `text` between the characters `isSeparator` accepts.
template <typename IsSeparator>
PathComponents Split(const std::string& text, IsSeparator isSeparator)
{
    PathComponents parts(1);
    for (const char c : text) {
        if (isSeparator(c))
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

bool IsPathName(const std::string& name)
{
    return name.find_first_of("\\/") != std::string::npos;
}

// `base` (components below the simulator folder) followed by the name's
// components, or nothing when the name climbs above the simulator folder,
// starts at a root or holds a component that is no plain name.
std::optional<PathComponents> Resolve(const FileSystem& fileSystem, PathComponents base, const std::string& name)
{
    if (name.empty() || IsNameSeparator(name.front()) || IsNameSeparator(name.back()))
        return std::nullopt;
    for (const std::string& component : Split(name, IsNameSeparator)) {
        if (component == "..") {
            if (base.empty())
                return std::nullopt;
            base.pop_back();
        } else if (!component.empty() && component != ".") {
            if (!IsPlainName(fileSystem, component))
                return std::nullopt;
            base.push_back(component);
        }
    }
    return base;
}

class ContainerSearch {
public:
    ContainerSearch(const FileSystem& fileSystem, const std::string& folder)
        : fileSystem_(fileSystem), folder_(folder), gauges_{kGaugeFolderName}, unused_{kGaugeFolderName, "unused"}
    {
    }

    void Note(const std::string& aircraft, const std::string& panelFolder, const std::string& name)
    {
        const std::string key = fileSystem_.Names().LowerCase(name);
        auto known = inGauges_.find(key);
        if (known == inGauges_.end())
            known = inGauges_.emplace(key, HoldsContainer(gauges_, name)).first;
        if (known->second)
            return;
        if (!IsPathName(name) && IsPlainName(fileSystem_, name) &&
            fileSystem_.Exists(PathOf(unused_) + fileSystem_.Separator() + name + ".gau")) {
            Record(ContainerState::Moved, key + ".gau", aircraft);
        } else if (const auto below = ComponentsBelowFolder(panelFolder); below && HoldsContainer(*below, name)) {
            Record(ContainerState::Local, key, aircraft);
        } else {
            Record(ContainerState::Missing, key, aircraft);
        }
    }

    std::vector<MissingContainer> Result() const
    {
        std::vector<MissingContainer> result;
        for (const auto& entry : missing_)
            result.push_back(entry.second);
        return result;
    }

private:
    bool HoldsContainer(const PathComponents& base, const std::string& name) const
    {
        const std::optional<PathComponents> components = Resolve(fileSystem_, base, name);
        if (!components || components->empty())
            return false;
        const std::string path = PathOf(*components);
        return fileSystem_.Exists(path + ".gau") || fileSystem_.Exists(path + ".cab") ||
               fileSystem_.IdentifyFolder(path).has_value();
    }

    std::string PathOf(const PathComponents& components) const
    {
        std::string path = folder_;
        for (const std::string& component : components)
            path = JoinPath(fileSystem_, path, component);
        return path;
    }

    // The folder's components below the simulator folder, which the walk
    // reached by joining names to it.
    std::optional<PathComponents> ComponentsBelowFolder(const std::string& path) const
    {
        const std::string prefix = folder_ + fileSystem_.Separator();
        if (path.compare(0, prefix.size(), prefix) != 0)
            return std::nullopt;
        const char separator = fileSystem_.Separator();
        return Split(path.substr(prefix.size()), [separator](char c) { return c == separator; });
    }

    // The walk reads all of one aircraft's panels before the next's, so an
    // aircraft already listed is the one listed last.
    void Record(ContainerState state, const std::string& name, const std::string& aircraft)
    {
        std::vector<std::string>& neededBy =
            missing_.try_emplace({name, state}, MissingContainer{state, name, {}}).first->second.neededBy;
        if (neededBy.empty() || neededBy.back() != aircraft)
            neededBy.push_back(aircraft);
    }

    const FileSystem& fileSystem_;
    const std::string& folder_;
    const PathComponents gauges_;
    const PathComponents unused_;
    std::map<std::string, bool> inGauges_;
    std::map<std::pair<std::string, ContainerState>, MissingContainer> missing_;
};

}  // namespace

std::vector<MissingContainer> FindMissingContainers(const FileSystem& fileSystem, const std::string& folder)
{
    ContainerSearch search(fileSystem, folder);
    ForEachAircraftPanel(fileSystem, folder, [&](const std::string& aircraft, const std::string& panelFolder,
                                                 const std::string& panelPath) {
        ForEachGaugeName(fileSystem, panelPath, [&](PanelTextEncoding encoding, const std::string& name) {
            search.Note(aircraft, panelFolder, NameTextOfGaugeName(fileSystem, encoding, name));
        });
    });
    return search.Result();
}

}  // namespace dalvorn
