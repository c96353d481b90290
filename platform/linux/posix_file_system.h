#pragma once
// The file system services on Linux, behaving as they do on Windows: paths
// match without regard to letter case (FoldNameCase, the naming's case), folders are listed in
// the order NTFS gives, and a move never replaces a file. Folders are listed
// whole: the callers pick the entries they want. Names are taken to be UTF-8, as Wine writes them.

#include "core/file_system.h"

namespace dalvorn {

class PosixFileSystem : public FileSystem {
public:
    const Naming& Names() const override;
    char Separator() const override { return '/'; }
    bool Exists(const std::string& path) const override;
    void Enumerate(const std::string& folder, const EntryVisitor& visit) const override;
    void CreateFolder(const std::string& path) override;
    MoveOutcome MoveRegularFile(const std::string& from, const std::string& to) override;
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override;
    std::string SpellingOnDisk(const std::string& path) const override;
    std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const override;
};

}  // namespace dalvorn
