#include "file_system.h"

namespace dalvorn {

std::string DescribeMoveFailure(const MoveOutcome& outcome)
{
    switch (outcome.status) {
    case MoveOutcome::Status::Moved:
        return "moved";
    case MoveOutcome::Status::SourceMissing:
        return "the file is not there";
    case MoveOutcome::Status::DestinationTaken:
        return "a file of that name is already in the destination folder";
    case MoveOutcome::Status::DestinationIsSource:
        return "the destination folder is the gauge's own folder";
    case MoveOutcome::Status::Failed:
        break;
    }
    return outcome.systemReason.empty() ? "the system refused the move" : outcome.systemReason;
}

std::string RemovedLeftoversNotice(const std::string& folder, const std::vector<std::string>& names)
{
    std::string text = "Removed the partial copies that interrupted moves left in " + folder + ": ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : ", ") + names[i];
    return text;
}

}  // namespace dalvorn
