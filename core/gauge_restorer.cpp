#include "gauge_restorer.h"

#include "file_system.h"
#include "folder_scan.h"
#include "gauge_list.h"
#include "gauge_pass.h"
#include "gauge_usage_table.h"
#include "messages.h"
#include "owner_window.h"
#include "simulator_folder.h"

namespace dalvorn {

bool ScanUnusedGauges(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                      GaugeUsageTable& table, bool withUsers)
{
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    const std::string gaugesFolder = JoinPath(fileSystem, folder, kGaugeFolderName);
    if (!fileSystem.Exists(gaugesFolder)) {
        owner.ShowError(kSimulatorFolderNotFound, kRestoreCaption);
        return false;
    }
    try {
        BusyScope busy(owner);
        const std::string unusedFolder = JoinPath(fileSystem, gaugesFolder, kUnusedFolderName);
        table = withUsers ? UsageOfGaugesIn(fileSystem, folder, unusedFolder) : GaugeInventory(fileSystem, unusedFolder);
        return true;
    } catch (const FileException& error) {
        ShowFileError(owner, error, kRestoreCaption);
        return false;
    }
}

std::size_t RestoreSelectedGauges(FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                                  GaugeList& list)
{
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    const std::string gaugesFolder = JoinPath(fileSystem, folder, kGaugeFolderName);
    if (!fileSystem.Exists(gaugesFolder)) {
        owner.ShowError(kSimulatorFolderNotFound, kRestoreCaption);
        return 0;
    }
    BusyScope busy(owner);
    GaugePass pass(fileSystem, JoinPath(fileSystem, gaugesFolder, kUnusedFolderName), gaugesFolder);
    const std::size_t total = list.Count();
    const auto failure = MoveTickedEntries(pass, list);
    const std::size_t left = list.Count();
    if (failure)
        owner.ShowError(FailedPassText(kRestoreFailed, *failure, kRestoredCountLabel, total - left), kRestoreCaption);
    else
        owner.ShowRestoreReport(std::to_string(total), std::to_string(left), std::to_string(total - left),
                                fileSystem.SpellingOnDisk(gaugesFolder) + fileSystem.Separator());
    return total - left;
}

}  // namespace dalvorn
