#include "gauge_mover.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "file_system.h"
#include "gauge_list.h"
#include "gauge_pass.h"
#include "gauge_usage_table.h"
#include "messages.h"
#include "owner_window.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

// The labels of the ticked gauges some panel uses, in list order, as the
// list shows them: a scan that failed part-way may have changed the table,
// never the list.
std::vector<std::string> TickedUsedLabels(const GaugeList& list)
{
    std::vector<std::string> labels;
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
        if (list.IsChecked(entry) && !list.Record(entry).users.empty())
            labels.push_back(FormatGaugeLabel(list.Record(entry)));
    return labels;
}

}  // namespace

std::string UsedGaugesWarningText(const std::vector<std::string>& labels)
{
    std::string text = std::string(kUsedGaugesWarning) + "\n";
    const std::size_t shown = std::min(labels.size(), kWarningLabelsShown);
    for (std::size_t i = 0; i < shown; ++i)
        text += "\n" + labels[i];
    if (labels.size() > shown)
        text += "\nand " + std::to_string(labels.size() - shown) + " more";
    return text + "\n\n" + kUsedGaugesQuestion;
}

void MoveSelectedGauges(FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                        GaugeUsageTable& table, GaugeList& list)
{
    const std::vector<std::string> used = TickedUsedLabels(list);
    if (!used.empty() && !owner.AskWarningYesNo(UsedGaugesWarningText(used), kRemoveCaption))
        return;
    if (!owner.AskYesNo(kMoveConfirmation, kRemoveCaption))
        return;
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    const std::string gaugesFolder = JoinPath(fileSystem, folder, kGaugeFolderName);
    if (!fileSystem.Exists(gaugesFolder)) {
        owner.ShowError(kSimulatorFolderNotFound, kRemoveCaption);
        return;
    }
    const std::string unusedFolder = JoinPath(fileSystem, gaugesFolder, kUnusedFolderName);
    if (!fileSystem.Exists(unusedFolder))
        fileSystem.CreateFolder(unusedFolder);

    BusyScope busy(owner);
    GaugePass pass(fileSystem, gaugesFolder, unusedFolder);
    const std::size_t total = list.Count();
    const auto failure = MoveTickedEntries(pass, list, [&table](const std::string& key) { table.RemoveGauge(key); });
    const std::size_t left = list.Count();
    if (failure) {
        owner.ShowError(FailedPassText(kMoveFailed, *failure, kMovedCountLabel, total - left), kRemoveCaption);
        return;
    }
    owner.ShowMoveReport(std::to_string(total), std::to_string(left), std::to_string(total - left),
                         fileSystem.SpellingOnDisk(unusedFolder) + fileSystem.Separator());
}

}  // namespace dalvorn
