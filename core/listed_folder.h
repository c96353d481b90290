#pragma once
// The folder whose gauges the list shows: the folder of the last scan that
// filled it. Commands on the list act there, and only while the folder
// field still names it.

#include <optional>
#include <string>

namespace dalvorn {

class FileSystem;
class OwnerWindow;

class ListedFolder {
public:
    // Called once a scan of `folderText` has filled the list.
    void Set(const std::string& folderText) { text_ = folderText; }

    // The folder a command on the list acts on while the field reads
    // `fieldText`: the listed folder, or the field's before any scan. When
    // the field names another folder the owner is told, under `caption`,
    // that `action` needs a scan first, and there is none.
    std::optional<std::string> FolderFor(const FileSystem& fileSystem, OwnerWindow& owner,
                                         const std::string& fieldText, const char* caption,
                                         const char* action) const;

private:
    std::optional<std::string> text_;
};

}  // namespace dalvorn
