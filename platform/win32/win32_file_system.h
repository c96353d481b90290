#pragma once
// The file system services over kernel32's ANSI functions.

#include <windows.h>

#include "core/file_system.h"

namespace dalvorn {

class Win32FileSystem : public FileSystem {
public:
    const Naming& Names() const override;
    char Separator() const override { return '\\'; }
    bool Exists(const std::string& path) const override;
    void Enumerate(const std::string& folder, const EntryVisitor& visit) const override;
    void CreateFolder(const std::string& path) override;
    std::vector<std::string> ConfirmedRegularFiles(const std::string& folder,
                                                   std::vector<std::string> names) const override;
    MoveOutcome MoveRegularFile(const std::string& from, const std::string& to) override;
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override;
    std::string SpellingOnDisk(const std::string& path) const override;
    std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const override;
};

// The attributes of an entry that is no regular file: a folder, a device,
// a link or junction.
inline constexpr DWORD kNotRegularFileAttributes =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;

// True when the program runs under Wine, whose listings show a Unix link or
// pipe as a file and whose volume serial numbers do not tell drives apart.
bool RunsUnderWine();

}  // namespace dalvorn
