#include "listed_folder.h"

#include "file_system.h"
#include "owner_window.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

// True when both texts name one folder as the platform compares paths:
// letter case and one trailing separator ignored.
bool NameSameFolder(const FileSystem& fileSystem, const std::string& left, const std::string& right)
{
    return fileSystem.Names().LowerCase(SimulatorFolderFromText(fileSystem, left)) ==
           fileSystem.Names().LowerCase(SimulatorFolderFromText(fileSystem, right));
}

}  // namespace

std::optional<std::string> ListedFolder::FolderFor(const FileSystem& fileSystem, OwnerWindow& owner,
                                                   const std::string& fieldText, const char* caption,
                                                   const char* action) const
{
    if (!text_)
        return fieldText;
    if (NameSameFolder(fileSystem, *text_, fieldText))
        return *text_;
    owner.ShowInformation("The list shows the gauges of " + *text_ + ". Press Scan to list " + fieldText +
                              " before " + action + ".",
                          caption);
    return std::nullopt;
}

}  // namespace dalvorn
