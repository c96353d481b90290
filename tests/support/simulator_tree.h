#pragma once
// A simulator folder built from real files in a fresh temporary folder,
// removed again when the object goes.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace dalvorn::testing {

class SimulatorTree {
public:
    SimulatorTree();
    ~SimulatorTree();
    SimulatorTree(const SimulatorTree&) = delete;
    SimulatorTree& operator=(const SimulatorTree&) = delete;

    // Paths relative to the root are written with '/'.
    void WriteFile(const std::string& relativePath, const std::string& content);
    void MakeFolder(const std::string& relativePath);
    std::string ReadFile(const std::string& relativePath) const;
    bool ExistsExactly(const std::string& relativePath) const;

    void AddGauge(const std::string& fileName, const std::string& content = "gauge");
    void AddPanel(const std::string& aircraftFolder, const std::string& content);

    // The names in a folder, sorted, as the host spells them.
    std::vector<std::string> NamesIn(const std::string& relativePath) const;

    std::filesystem::path HostPath(const std::string& relativePath) const;
    // The root as the program receives it, or a path below it in the
    // platform's own notation.
    std::string Root() const;
    std::string PathOf(const std::string& relativePath) const;

    FileSystem& Files() { return *fileSystem_; }

private:
    std::filesystem::path root_;
    std::unique_ptr<FileSystem> fileSystem_;
};

}  // namespace dalvorn::testing
