#pragma once
// The file system services on POSIX systems, behaving as they do on Windows:
// paths and patterns match without regard to letter case (FoldNameCase),
// folders are listed in the order NTFS gives, and a move never replaces a
// file. Names are taken to be UTF-8, as Wine writes them.

#include "core/file_system.h"
#include "folder_name_index.h"

namespace dalvorn {

class PosixFileSystem : public FileSystem {
public:
    char Separator() const override { return '/'; }
    bool Exists(const std::string& path) const override;
    void Enumerate(const std::string& folder, const std::string& pattern,
                   const EntryVisitor& visit) const override;
    void CreateFolder(const std::string& path) override;
    MoveOutcome Move(const std::string& from, const std::string& to) override;
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override;
    std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const override;
    void LowerCaseInPlace(std::string& text) const override;
    std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const override;
    bool EndsWithSeparator(const std::string& text) const override;

private:
    // Serves the moves' lookups, so that a pass over a large folder lists
    // it once rather than once a gauge.
    FolderNameIndex index_;
};

}  // namespace dalvorn
