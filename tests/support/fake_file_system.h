#pragma once
// A file system of no real files, for tests that describe a tree in code:
// '/' separates names, names match as the native file systems match them
// on Linux (ASCII letters without regard to case), and nothing exists
// until a derived class says so.

#include <memory>
#include <optional>
#include <string>

#include "core/file_system.h"
#include "core/text_case.h"
#include "core/text_encoding.h"

namespace dalvorn::test_support {

class FakeNaming : public Naming {
public:
    void LowerCaseInPlace(std::string& text) const override { FoldNameCaseInPlace(text); }
    std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const override
    {
        return Utf8FromPanelText(encoding, text);
    }
    bool EndsWithSeparator(const std::string& text) const override { return !text.empty() && text.back() == '/'; }
};

class FakeFileSystem : public FileSystem {
public:
    const Naming& Names() const override
    {
        static const FakeNaming naming;
        return naming;
    }
    char Separator() const override { return '/'; }
    bool Exists(const std::string&) const override { return false; }
    void Enumerate(const std::string&, const EntryVisitor&) const override {}
    void CreateFolder(const std::string&) override {}
    MoveOutcome MoveRegularFile(const std::string&, const std::string&) override { return {}; }
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override
    {
        throw FileException(path, "not found");
    }
    std::string SpellingOnDisk(const std::string& path) const override { return path; }
    std::optional<FolderIdentity> IdentifyFolder(const std::string&) const override { return std::nullopt; }
};

}  // namespace dalvorn::test_support
