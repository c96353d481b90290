#pragma once
// What the gauge folder holds, taken before and after a move pass, to prove
// that no fault loses, duplicates or changes a gauge file.

#include <map>
#include <string>
#include <utility>

#include "support/simulator_tree.h"

namespace dalvorn::test_support {

class GaugeInventory {
public:
    // Every file in Gauges and Gauges/unused.
    explicit GaugeInventory(const SimulatorTree& tree);

    // Each gauge file once, by lower-cased name and content, wherever it now
    // lies; empty when both inventories hold the same files.
    std::string DifferenceFrom(const GaugeInventory& before) const;

    // Where the file with this content lies ("Gauges/a.gau"), or "" when no
    // file or more than one holds it.
    std::string PlaceOf(const std::string& content) const;

private:
    // (lower-cased name, content) -> places it lies
    std::multimap<std::pair<std::string, std::string>, std::string> files_;
};

}  // namespace dalvorn::test_support
