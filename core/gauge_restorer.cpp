#include "gauge_restorer.h"

#include <map>
#include <memory>

#include "file_system.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

const char kAlreadyInGauges[] = "it is already in gauges";
const char kNotInUnused[] = "it is not in unused";
const char kRestoreMoveFailed[] = "the move failed";

namespace {

// Gauge key -> file name as found in the folder, in enumeration order.
std::vector<std::pair<std::string, std::string>> ListGauges(const FileSystem& fileSystem, const std::string& folder)
{
    std::vector<std::pair<std::string, std::string>> gauges;
    fileSystem.Enumerate(folder, "*.gau", [&](const DirectoryEntry& entry) {
        if (IsGaugeFile(fileSystem, entry))
            gauges.emplace_back(fileSystem.LowerCase(entry.name), entry.name);
    });
    return gauges;
}

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
    // Checked once: some systems report a move within one folder as done.
    const bool destinationIsSource = LeadToTheSameFolder(fileSystem, gaugesFolder, unusedFolder);
    const auto selected = SelectRequested(fileSystem, ListGauges(fileSystem, unusedFolder), keys, result);
    if (selected.empty())
        return result;
    const std::unique_ptr<MovePass> pass = fileSystem.OpenMovePass(
        unusedFolder, gaugesFolder, [&result](const std::string& text) { result.notices.push_back(text); });
    for (const auto& [key, name] : selected) {
        const MoveOutcome outcome = destinationIsSource
                                        ? MoveOutcome::Refused(MoveOutcome::Status::DestinationIsSource)
                                        : pass->Move(name);
        if (outcome.Succeeded())
            ++result.restored;
        else
            result.failures.push_back({key, FailureReason(outcome)});
    }
    return result;
}

}  // namespace dalvorn
