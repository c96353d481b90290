#include "simulator_tree.h"

#include <algorithm>

#include "platform/native_file_system.h"

namespace dalvorn::test_support {

namespace fs = std::filesystem;

SimulatorTree::SimulatorTree() : fileSystem_(CreateNativeFileSystem()) {}

bool SimulatorTree::ExistsExactly(const std::string& relativePath) const
{
    const fs::path path = HostPath(relativePath);
    const std::string folder = path.parent_path().lexically_relative(HostPath("")).generic_string();
    const std::vector<std::string> names = NamesIn(folder);
    return std::find(names.begin(), names.end(), path.filename().string()) != names.end();
}

void SimulatorTree::AddGauge(const std::string& fileName, const std::string& content) const
{
    WriteFile("Gauges/" + fileName, content);
}

void SimulatorTree::AddGauges(const std::vector<std::pair<std::string, std::string>>& gauges) const
{
    for (const auto& [fileName, content] : gauges)
        AddGauge(fileName, content);
}

void SimulatorTree::AddPanel(const std::string& aircraftFolder, const std::string& content) const
{
    WriteFile("Aircraft/" + aircraftFolder + "/panel.cfg", content);
}

std::vector<std::string> SimulatorTree::NamesIn(const std::string& relativePath) const
{
    std::vector<std::string> names;
    std::error_code error;
    const fs::path folder = relativePath == "." ? HostPath("") : HostPath(relativePath);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace dalvorn::test_support
