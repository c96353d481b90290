#include "gauge_mover.h"

#include <algorithm>
#include <optional>
#include <utility>
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

// The gauge whose move failed, and why.
struct FailedMove {
    std::string key;
    MoveOutcome outcome;
};

// Moves the ticked entries in list order; the failed move, if one failed.
std::optional<FailedMove> MoveTickedEntries(GaugePass& pass, GaugeUsageTable& table, GaugeList& list)
{
    GaugeList::Entry entry = list.First();
    while (entry) {
        if (!list.IsChecked(entry)) {
            entry = list.Next(entry);
            continue;
        }
        const std::string key = KeyFromLabel(list.Label(entry));
        table.RemoveGauge(key);
        MoveOutcome outcome = pass.Move(key);
        if (!outcome.Succeeded())
            return FailedMove{key, std::move(outcome)};
        GaugeList::Entry next = list.Next(entry);
        list.Delete(entry);
        entry = next;
    }
    return std::nullopt;
}

// The labels of the ticked gauges some panel uses, in list order. Told by
// the labels the user sees: a scan that failed part-way may have changed the
// table, never the list.
std::vector<std::string> TickedUsedLabels(const GaugeList& list)
{
    std::vector<std::string> labels;
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry)) {
        if (!list.IsChecked(entry))
            continue;
        std::string label = list.Label(entry);
        if (LabelNamesUsers(label))
            labels.push_back(std::move(label));
    }
    return labels;
}

std::string FailureText(const FailedMove& failure)
{
    return std::string(kMoveFailed) + "\n\n" + failure.key + ": " + DescribeMoveFailure(failure.outcome);
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
    // The files are reached through the spelling the scan used; the report
    // names the folder as "gauges\unused".
    const std::string gaugesFolder = JoinPath(fileSystem, folder, kGaugeFolderName);
    if (!fileSystem.Exists(gaugesFolder)) {
        owner.ShowError(kSimulatorFolderNotFound, kRemoveCaption);
        return;
    }
    const std::string unusedFolder = JoinPath(fileSystem, gaugesFolder, "unused");
    if (!fileSystem.Exists(unusedFolder))
        fileSystem.CreateFolder(unusedFolder);

    BusyScope busy(owner);
    GaugePass pass(fileSystem, gaugesFolder, unusedFolder,
                   [&owner](const std::string& text) { owner.ShowInformation(text, kRemoveCaption); });
    const std::size_t total = list.Count();
    if (const std::optional<FailedMove> failure = MoveTickedEntries(pass, table, list)) {
        owner.ShowError(FailureText(*failure), kRemoveCaption);
        return;
    }
    const std::size_t left = list.Count();
    const std::string reportedDestination =
        JoinPath(fileSystem, JoinPath(fileSystem, folder, "gauges"), "unused") + fileSystem.Separator();
    owner.ShowMoveReport(std::to_string(total), std::to_string(left), std::to_string(total - left),
                         reportedDestination);
}

}  // namespace dalvorn
