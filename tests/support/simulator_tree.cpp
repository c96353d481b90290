#include "simulator_tree.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#include "platform/native_file_system.h"

namespace dalvorn::testing {

namespace fs = std::filesystem;

namespace {
fs::path FreshFolder()
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        fs::path candidate = fs::temp_directory_path() /
                             ("dalvorn-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate))
            return candidate;
    }
}
}  // namespace

SimulatorTree::SimulatorTree() : root_(FreshFolder()), fileSystem_(CreateNativeFileSystem()) {}

SimulatorTree::~SimulatorTree()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path SimulatorTree::HostPath(const std::string& relativePath) const
{
    return relativePath.empty() ? root_ : root_ / fs::path(relativePath).make_preferred();
}

void SimulatorTree::WriteFile(const std::string& relativePath, const std::string& content)
{
    const fs::path path = HostPath(relativePath);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

void SimulatorTree::MakeFolder(const std::string& relativePath)
{
    fs::create_directories(HostPath(relativePath));
}

std::string SimulatorTree::ReadFile(const std::string& relativePath) const
{
    std::ifstream input(HostPath(relativePath), std::ios::binary);
    std::ostringstream content;
    content << input.rdbuf();
    return content.str();
}

bool SimulatorTree::ExistsExactly(const std::string& relativePath) const
{
    const fs::path path = HostPath(relativePath);
    const std::vector<std::string> names = NamesIn(path.parent_path().lexically_relative(root_).generic_string());
    return std::find(names.begin(), names.end(), path.filename().string()) != names.end();
}

void SimulatorTree::AddGauge(const std::string& fileName, const std::string& content)
{
    WriteFile("Gauges/" + fileName, content);
}

void SimulatorTree::AddPanel(const std::string& aircraftFolder, const std::string& content)
{
    WriteFile("Aircraft/" + aircraftFolder + "/panel.cfg", content);
}

std::vector<std::string> SimulatorTree::NamesIn(const std::string& relativePath) const
{
    std::vector<std::string> names;
    std::error_code error;
    const fs::path folder = relativePath == "." ? root_ : HostPath(relativePath);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string SimulatorTree::Root() const
{
    return root_.string();
}

std::string SimulatorTree::PathOf(const std::string& relativePath) const
{
    return HostPath(relativePath).string();
}

}  // namespace dalvorn::testing
