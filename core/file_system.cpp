#include "file_system.h"

namespace dalvorn {

FileException::FileException(std::string path, std::string cause)
    : std::runtime_error(path + ": " + cause), path_(std::move(path)), cause_(std::move(cause))
{
}

std::string DescribeMoveFailure(const MoveOutcome& outcome)
{
    switch (outcome.status) {
    case MoveOutcome::Status::Moved:
        return "moved";
    case MoveOutcome::Status::SourceMissing:
        return "the file is not there";
    case MoveOutcome::Status::NotRegularFile:
        return "it is a link, folder, pipe or device, not a gauge file";
    case MoveOutcome::Status::DestinationTaken:
        return "a file of that name is already in the destination folder";
    case MoveOutcome::Status::DestinationIsSource:
        return "the destination folder is the gauge's own folder";
    case MoveOutcome::Status::Failed:
        break;
    }
    return outcome.systemReason.empty() ? "the system refused the move" : outcome.systemReason;
}

}  // namespace dalvorn
