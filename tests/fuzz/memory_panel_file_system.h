#pragma once
// A file system holding one folder with one panel.cfg in memory, for the
// panel reader's fuzz target. Names match as the native file systems match
// them on Linux: ASCII letters without regard to case.

#include <memory>
#include <string>

#include "core/file_system.h"
#include "core/text_case.h"
#include "core/text_encoding.h"
#include "piecewise_file.h"

namespace dalvorn::fuzz {

class MemoryPanelFileSystem : public FileSystem {
public:
    static constexpr char kFolder[] = "aircraft";

    MemoryPanelFileSystem(std::string panel, std::size_t piece) : panel_(std::move(panel)), piece_(piece) {}

    char Separator() const override { return '/'; }
    bool Exists(const std::string& path) const override { return IsPanel(path); }
    void Enumerate(const std::string&, const std::string&, const EntryVisitor&) const override {}
    void CreateFolder(const std::string&) override {}
    MoveOutcome Move(const std::string&, const std::string&) override { return {}; }
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override
    {
        if (!IsPanel(path))
            throw FileException(path, "not found");
        return std::make_unique<PiecewiseFile>(panel_, piece_);
    }
    std::optional<FolderIdentity> IdentifyFolder(const std::string&) const override { return std::nullopt; }
    void LowerCaseInPlace(std::string& text) const override { FoldNameCaseInPlace(text); }
    std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const override
    {
        return Utf8FromPanelText(encoding, text);
    }
    bool EndsWithSeparator(const std::string& text) const override { return !text.empty() && text.back() == '/'; }

private:
    bool IsPanel(const std::string& path) const
    {
        const std::string expected = std::string(kFolder) + "/panel.cfg";
        return LowerCase(path) == expected;
    }

    std::string panel_;
    std::size_t piece_;
};

}  // namespace dalvorn::fuzz
