#include "missing_gauge_check.h"

#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

#include "aircraft_panels.h"
#include "file_system.h"
#include "panel_path.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

class ContainerSearch {
public:
    ContainerSearch(const FileSystem& fileSystem, const std::string& folder) : fileSystem_(fileSystem), folder_(folder)
    {
    }

    // Each distinct name is looked for once in Gauges and unused, and once
    // beside each panel folder that names it.
    void Note(const std::string& aircraft, const std::string& panelFolder, const std::string& name)
    {
        const std::string key = fileSystem_.Names().LowerCase(name);
        auto found = known_.find(key);
        if (found == known_.end())
            found = known_.emplace(key, Locate(name)).first;
        Location& location = found->second;
        if (location.inGauges)
            return;
        if (!location.movedKey.empty())
            return Record(location, ContainerState::Moved, location.movedKey, aircraft);
        auto beside = location.besideFolder.find(panelFolder);
        if (beside == location.besideFolder.end()) {
            const auto below = ComponentsBelowFolder(panelFolder);
            beside = location.besideFolder.emplace(panelFolder, below && HoldsContainer(*below, name)).first;
        }
        Record(location, beside->second ? ContainerState::Local : ContainerState::Missing, key, aircraft);
    }

    void NoteMissingAlias(const std::string& aircraft, const std::string& alias)
    {
        Record(known_[std::string(1, '\0') + alias], ContainerState::Missing, alias, aircraft);
    }

    std::vector<MissingContainer> Result() const
    {
        std::vector<MissingContainer> result;
        for (const auto& entry : missing_)
            result.push_back(entry.second);
        return result;
    }

private:
    struct Location {
        bool inGauges = false;
        std::string movedKey;  // the key of the gauge in unused it names
        std::map<std::string, bool> besideFolder;  // panel folder -> whether it holds the container
        MissingContainer* entries[3] = {};          // in `missing_`, by state
    };

    Location Locate(const std::string& name) const
    {
        if (HoldsContainer({kGaugeFolderName}, name))
            return {true, {}, {}, {}};
        if (const std::optional<std::string> topLevel = TopLevelGaugeName(fileSystem_, name))
            for (const std::string_view extension : kGaugeExtensions) {
                const std::string gauge = *topLevel + std::string(extension);
                if (IsPlainName(fileSystem_, gauge) &&
                    fileSystem_.Exists(PathBelow(fileSystem_, folder_, {kGaugeFolderName, "unused", gauge})))
                    return {false, fileSystem_.Names().LowerCase(gauge), {}, {}};
            }
        return {};
    }

    bool HoldsContainer(const PathComponents& base, const std::string& name) const
    {
        const std::optional<PathComponents> components = ResolvePanelPath(fileSystem_, base, name);
        if (!components || components->empty())
            return false;
        const std::string path = PathBelow(fileSystem_, folder_, *components);
        for (const std::string_view extension : kGaugeExtensions)
            if (fileSystem_.Exists(path + std::string(extension)))
                return true;
        return fileSystem_.IdentifyFolder(path).has_value();
    }

    // The folder's components below the simulator folder, which the walk
    // reached by joining names to it.
    std::optional<PathComponents> ComponentsBelowFolder(const std::string& path) const
    {
        const std::string prefix = folder_ + fileSystem_.Separator();
        if (path.compare(0, prefix.size(), prefix) != 0)
            return std::nullopt;
        // Split by hand: the folders walked need no plain names ("Con.Air").
        PathComponents components(1);
        for (const char c : path.substr(prefix.size())) {
            if (c == fileSystem_.Separator())
                components.emplace_back();
            else
                components.back() += c;
        }
        return components;
    }

    // The walk reads all of one aircraft's panels before the next's, so an
    // aircraft already listed is the one listed last.
    void Record(Location& location, ContainerState state, const std::string& name, const std::string& aircraft)
    {
        MissingContainer*& entry = location.entries[static_cast<int>(state)];
        if (entry == nullptr)
            entry = &missing_.emplace(std::make_pair(name, state), MissingContainer{state, name, {}}).first->second;
        std::vector<std::string>& neededBy = entry->neededBy;
        if (neededBy.empty() || neededBy.back() != aircraft)
            neededBy.push_back(aircraft);
    }

    const FileSystem& fileSystem_;
    const std::string& folder_;
    // By key; an alias's after a NUL, which no key holds.
    std::unordered_map<std::string, Location> known_;
    std::map<std::pair<std::string, ContainerState>, MissingContainer> missing_;
};

}  // namespace

std::vector<MissingContainer> FindMissingContainers(const FileSystem& fileSystem, const std::string& folder)
{
    ContainerSearch search(fileSystem, folder);
    ForEachPanelGauge(fileSystem, folder,
                      {[&search](const std::string& aircraft, const std::string& panelFolder, const std::string& name) {
                           search.Note(aircraft, panelFolder, name);
                       },
                       [&search](const std::string& aircraft, const std::string& alias) {
                           search.NoteMissingAlias(aircraft, alias);
                       }});
    return search.Result();
}

}  // namespace dalvorn
