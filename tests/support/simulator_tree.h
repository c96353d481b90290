#pragma once
// A simulator folder built from real files in a fresh temporary folder,
// removed again when the object goes.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/file_system.h"
#include "temporary_folder.h"

namespace dalvorn::test_support {

class SimulatorTree : public TemporaryFolder {
public:
    SimulatorTree();

    bool ExistsExactly(const std::string& relativePath) const;

    void AddGauge(const std::string& fileName, const std::string& content = "gauge") const;
    // Each gauge with its content.
    void AddGauges(const std::vector<std::pair<std::string, std::string>>& gauges) const;
    void AddPanel(const std::string& aircraftFolder, const std::string& content) const;

    // The names in a folder, sorted, as the host spells them.
    std::vector<std::string> NamesIn(const std::string& relativePath) const;

    FileSystem& Files() { return *fileSystem_; }

private:
    std::unique_ptr<FileSystem> fileSystem_;
};

}  // namespace dalvorn::test_support
