#include "gauge_inventory.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/text_case.h"

namespace dalvorn::test_support {

namespace {

std::string LowerCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), AsciiLower);
    return text;
}

}  // namespace

GaugeInventory::GaugeInventory(const SimulatorTree& tree)
{
    for (const std::string folder : {"Gauges", "Gauges/unused"}) {
        if (!std::filesystem::is_directory(tree.HostPath(folder)))
            continue;
        for (const std::string& name : tree.NamesIn(folder)) {
            const std::string place = folder + "/" + name;
            if (std::filesystem::is_regular_file(tree.HostPath(place)))
                files_.emplace(std::make_pair(LowerCased(name), tree.ReadFile(place)), place);
        }
    }
}

std::string GaugeInventory::DifferenceFrom(const GaugeInventory& before) const
{
    std::set<std::pair<std::string, std::string>> keys;
    for (const auto& [key, place] : before.files_)
        keys.insert(key);
    for (const auto& [key, place] : files_)
        keys.insert(key);
    std::string difference;
    for (const auto& key : keys) {
        const std::size_t was = before.files_.count(key);
        const std::size_t now = files_.count(key);
        if (was != now)
            difference += key.first + " (" + std::to_string(key.second.size()) + " bytes): " +
                          std::to_string(was) + " before, " + std::to_string(now) + " now\n";
    }
    return difference;
}

std::string GaugeInventory::PlaceOf(const std::string& content) const
{
    std::string found;
    for (const auto& [key, place] : files_) {
        if (key.second != content)
            continue;
        if (!found.empty())
            return "";
        found = place;
    }
    return found;
}

}  // namespace dalvorn::test_support
