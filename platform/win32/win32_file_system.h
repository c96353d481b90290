#pragma once
// The file system services over kernel32's ANSI functions.

#include "core/file_system.h"

namespace dalvorn {

class Win32FileSystem : public FileSystem {
public:
    Win32FileSystem();

    char Separator() const override { return '\\'; }
    bool Exists(const std::string& path) const override;
    void Enumerate(const std::string& folder, const std::string& pattern, const EntryVisitor& visit) const override;
    void CreateFolder(const std::string& path) override;
    std::unique_ptr<MovePass> OpenMovePass(const std::string& source, const std::string& destination,
                                           const MoveNotice& notice) override;
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const override;
    std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const override;
    void LowerCaseInPlace(std::string& text) const override;
    bool IsLeadByte(char byte) const override;
    std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const override;
    bool EndsWithSeparator(const std::string& text) const override;
    bool NamePrecedes(const std::string& left, const std::string& right) const override;
};

}  // namespace dalvorn
