#include "gauge_mover.h"

#include "file_system.h"
#include "gauge_list.h"
#include "gauge_usage_table.h"
#include "messages.h"
#include "owner_window.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

struct MoveFolders {
    std::string sourcePrefix;
    std::string destinationPrefix;
};

// Moves the ticked entries in list order; false when a move failed.
bool MoveTickedEntries(FileSystem& fileSystem, const MoveFolders& folders, GaugeUsageTable& table,
                       GaugeList& list)
{
    GaugeList::Entry entry = list.First();
    while (entry) {
        if (!list.IsChecked(entry)) {
            entry = list.Next(entry);
            continue;
        }
        const std::string key = KeyFromLabel(list.Label(entry));
        table.RemoveGauge(key);
        // A key that is no plain name could lead out of the gauge folder.
        if (!IsPlainName(fileSystem, key) ||
            !fileSystem.Move(folders.sourcePrefix + key, folders.destinationPrefix + key))
            return false;
        GaugeList::Entry next = list.Next(entry);
        list.Delete(entry);
        entry = next;
    }
    return true;
}

}  // namespace

void MoveSelectedGauges(FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                        GaugeUsageTable& table, GaugeList& list)
{
    if (!owner.AskYesNo(kMoveConfirmation, kRemoveCaption))
        return;
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    const std::string gaugesFolder = JoinPath(fileSystem, folder, "gauges");
    if (!fileSystem.Exists(gaugesFolder)) {
        owner.ShowError(kSimulatorFolderNotFound, kRemoveCaption);
        return;
    }
    const std::string unusedFolder = JoinPath(fileSystem, gaugesFolder, "unused");
    if (!fileSystem.Exists(unusedFolder))
        fileSystem.CreateFolder(unusedFolder);
    const MoveFolders folders{gaugesFolder + fileSystem.Separator(), unusedFolder + fileSystem.Separator()};

    BusyScope busy(owner);
    const std::size_t total = list.Count();
    if (!MoveTickedEntries(fileSystem, folders, table, list)) {
        owner.ShowError(kMoveFailed, kRemoveCaption);
        return;
    }
    const std::size_t left = list.Count();
    owner.ShowMoveReport(std::to_string(total), std::to_string(left), std::to_string(total - left),
                         folders.destinationPrefix);
}

}  // namespace dalvorn
