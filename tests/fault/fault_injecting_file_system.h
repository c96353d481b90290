#pragma once
// The native file system with faults switched in: a folder that refuses new
// entries (as one without write permission does), a gauge that vanishes just
// before its move, panel files that fail part way through reading, and a
// folder that cannot be listed.

#include <functional>
#include <set>
#include <string>

#include "core/file_system.h"

namespace dalvorn::test_support {

class FaultInjectingFileSystem : public FileSystem {
public:
    explicit FaultInjectingFileSystem(FileSystem& real) : real_(real) {}

    // Moves into `folder` and the creation of folders in it fail, the way
    // they do without write permission, before anything is touched.
    void RefuseWritesInto(const std::string& folder) { refusedFolders_.insert(real_.Names().LowerCase(folder)); }

    // Runs `action` just before the move of `path` is tried.
    void BeforeMoving(const std::string& path, std::function<void()> action)
    {
        beforeMove_ = {path, std::move(action)};
    }

    // Files opened for reading raise a read error after `bytes` bytes.
    void FailReadsAfter(std::size_t bytes) { failReadsAfter_ = bytes; }

    // Listing `folder` fails as one beyond the longest path does.
    void FailListing(const std::string& folder) { unlistableFolder_ = real_.Names().LowerCase(folder); }

    int MovesTried() const { return movesTried_; }
    // How many times a path was looked up (Exists, IdentifyFolder).
    int LookUps() const { return lookUps_; }

    const Naming& Names() const override { return real_.Names(); }
    char Separator() const override { return real_.Separator(); }
    bool Exists(const std::string& path) const override
    {
        ++lookUps_;
        return real_.Exists(path);
    }
    void Enumerate(const std::string& folder, const EntryVisitor& visit) const override;
    void CreateFolder(const std::string& path) override;
    std::vector<std::string> ConfirmedRegularFiles(const std::string& folder,
                                                   std::vector<std::string> names) const override
    {
        return real_.ConfirmedRegularFiles(folder, std::move(names));
    }
    MoveOutcome MoveRegularFile(const std::string& from, const std::string& to) override;
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override;
    std::string SpellingOnDisk(const std::string& path) const override { return real_.SpellingOnDisk(path); }
    std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const override
    {
        ++lookUps_;
        return real_.IdentifyFolder(path);
    }

private:
    bool WriteRefused(const std::string& path) const;

    FileSystem& real_;
    std::set<std::string> refusedFolders_;
    std::pair<std::string, std::function<void()>> beforeMove_;
    std::size_t failReadsAfter_ = static_cast<std::size_t>(-1);
    std::string unlistableFolder_;
    int movesTried_ = 0;
    mutable int lookUps_ = 0;
};

}  // namespace dalvorn::test_support
