#include "gauge_restorer.h"

#include <map>

#include "file_error_report.h"
#include "file_system.h"
#include "folder_scan.h"
#include "gauge_list.h"
#include "gauge_pass.h"
#include "gauge_usage_table.h"
#include "messages.h"
#include "owner_window.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

const char kAlreadyInGauges[] = "it is already in gauges";
const char kNotInUnused[] = "it is not in unused";
const char kRestoreMoveFailed[] = "the move failed";

namespace {

std::vector<std::pair<std::string, std::string>> SelectRequested(
    const FileSystem& fileSystem, const std::vector<std::pair<std::string, std::string>>& available,
    const std::vector<std::string>& keys, RestoreResult& result)
{
    if (keys.empty())
        return available;
    std::map<std::string, std::string> byKey(available.begin(), available.end());
    std::vector<std::pair<std::string, std::string>> selected;
    for (const std::string& requested : keys) {
        const std::string key = fileSystem.LowerCase(requested);
        auto found = IsPlainName(fileSystem, key) ? byKey.find(key) : byKey.end();
        if (found == byKey.end())
            result.failures.push_back({requested, kNotInUnused});
        else
            selected.emplace_back(*found);
    }
    return selected;
}

std::string FailureReason(const MoveOutcome& outcome)
{
    switch (outcome.status) {
    case MoveOutcome::Status::DestinationTaken:
        return kAlreadyInGauges;
    case MoveOutcome::Status::SourceMissing:
        return kNotInUnused;
    default:
        return std::string(kRestoreMoveFailed) + ": " + DescribeMoveFailure(outcome);
    }
}

}  // namespace

bool ScanUnusedGauges(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                      GaugeUsageTable& table)
{
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    const std::string gaugesFolder = JoinPath(fileSystem, folder, kGaugeFolderName);
    if (!fileSystem.Exists(gaugesFolder)) {
        owner.ShowError(kSimulatorFolderNotFound, kRestoreCaption);
        return false;
    }
    try {
        BusyScope busy(owner);
        table = UsageOfGaugesIn(fileSystem, folder, JoinPath(fileSystem, gaugesFolder, "unused"));
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
    GaugePass pass(fileSystem, JoinPath(fileSystem, gaugesFolder, "unused"), gaugesFolder,
                   [&owner](const std::string& text) { owner.ShowInformation(text, kRestoreCaption); });
    BusyScope busy(owner);
    const std::size_t total = list.Count();
    GaugeList::Entry entry = list.First();
    while (entry) {
        GaugeList::Entry next = list.Next(entry);
        if (list.IsChecked(entry)) {
            const std::string key = KeyFromLabel(list.Label(entry));
            const MoveOutcome outcome = pass.Move(key);
            if (!outcome.Succeeded()) {
                owner.ShowError(std::string(kRestoreFailed) + "\n\n" + key + ": " + FailureReason(outcome),
                                kRestoreCaption);
                return total - list.Count();
            }
            list.Delete(entry);
        }
        entry = next;
    }
    const std::size_t left = list.Count();
    owner.ShowRestoreReport(std::to_string(total), std::to_string(left), std::to_string(total - left),
                            JoinPath(fileSystem, folder, "gauges") + fileSystem.Separator());
    return total - left;
}

RestoreResult RestoreGauges(FileSystem& fileSystem, const std::string& folderText, const std::vector<std::string>& keys)
{
    RestoreResult result;
    const std::string gaugesFolder =
        JoinPath(fileSystem, SimulatorFolderFromText(fileSystem, folderText), kGaugeFolderName);
    if (!fileSystem.Exists(gaugesFolder)) {
        result.gaugeFolderFound = false;
        return result;
    }
    const std::string unusedFolder = JoinPath(fileSystem, gaugesFolder, "unused");
    const auto selected = SelectRequested(fileSystem, ListGaugeFiles(fileSystem, unusedFolder), keys, result);
    if (selected.empty())
        return result;
    GaugePass pass(fileSystem, unusedFolder, gaugesFolder,
                   [&result](const std::string& text) { result.notices.push_back(text); });
    for (const auto& [key, name] : selected) {
        const MoveOutcome outcome = pass.Move(name);
        if (outcome.Succeeded())
            ++result.restored;
        else
            result.failures.push_back({key, FailureReason(outcome)});
    }
    return result;
}

}  // namespace dalvorn
