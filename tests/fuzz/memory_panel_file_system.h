#pragma once
// A file system holding one folder with one panel.cfg in memory, for the
// panel reader's fuzz target.

#include <memory>
#include <string>

#include "tests/support/fake_file_system.h"
#include "tests/support/memory_file.h"

namespace dalvorn::fuzz {

class MemoryPanelFileSystem : public test_support::FakeFileSystem {
public:
    static constexpr char kPanel[] = "aircraft/panel.cfg";

    MemoryPanelFileSystem(std::string panel, std::size_t piece) : panel_(std::move(panel)), piece_(piece) {}

    bool Exists(const std::string& path) const override { return IsPanel(path); }
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override
    {
        if (!IsPanel(path))
            return FakeFileSystem::OpenForReading(path);
        return std::make_unique<test_support::MemoryFile>(panel_, piece_);
    }

private:
    bool IsPanel(const std::string& path) const { return Names().LowerCase(path) == kPanel; }

    std::string panel_;
    std::size_t piece_;
};

}  // namespace dalvorn::fuzz
