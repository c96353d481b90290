#include "folder_pair_move_pass.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "case_insensitive_path.h"
#include "copying_move.h"
#include "no_replace_rename.h"
#include "same_contents.h"

namespace dalvorn {

namespace {

const char kReplacedWhileMoved[] = "it was replaced by another entry while it was moved";
const char kUnwatched[] =
    "Changes to the gauge folders cannot be watched here, so every move lists them again, which is slower.";

// The type counts too: a number freed by a removal can be given at once to
// what is made in its place.
bool SameFile(const struct stat& left, const struct stat& right)
{
    return left.st_dev == right.st_dev && left.st_ino == right.st_ino &&
           (left.st_mode & S_IFMT) == (right.st_mode & S_IFMT);
}

bool IsPlainComponent(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Why an entry that is no file (and no link) is not moved.
std::string WhatItIs(const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        return "it is a folder, not a gauge file";
    if (S_ISFIFO(status.st_mode))
        return "it is a named pipe, not a gauge file";
    return "it is a device or socket, not a gauge file";
}

MoveOutcome OutcomeOfFailedRename(int error)
{
    if (error == EEXIST || error == ENOTEMPTY)
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    if (error == ENOENT)
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    return MoveOutcome::FailedBecause(std::strerror(error));
}

bool HasOtherSpelling(const FoldedListing& listing, const std::string& name)
{
    const std::vector<std::string>& spellings = listing.Spellings(name);
    return std::any_of(spellings.begin(), spellings.end(), [&](const std::string& other) { return other != name; });
}

}  // namespace

FolderPairMovePass::FolderPairMovePass(const std::string& source, const std::string& destination,
                                       const MoveNotice& notice, Watching watching)
{
    Open(source_, source, watching);
    Open(destination_, destination, watching);
    struct stat sourceStatus;
    struct stat destinationStatus;
    sameFolder_ = source_.handle.IsOpen() && destination_.handle.IsOpen() &&
                  fstat(source_.handle.Get(), &sourceStatus) == 0 &&
                  fstat(destination_.handle.Get(), &destinationStatus) == 0 &&
                  SameFile(sourceStatus, destinationStatus);
    if (sameFolder_)
        return;
    if (watching == Watching::Watched && source_.handle.IsOpen() && destination_.handle.IsOpen() &&
        !(source_.watch && destination_.watch))
        notice(kUnwatched);
    RemoveLeftovers(destination_, notice);
    RemoveLeftovers(source_, notice);
}

void FolderPairMovePass::Open(Folder& folder, const std::string& path, Watching watching)
{
    folder.path = ExistingSpelling(path);
    folder.handle = FileDescriptor(open(folder.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.handle.IsOpen())
        return;
    // The watch is on the folder held open, whatever its path leads to now;
    // it is set before the folder is read, so a change made while it is
    // read is reported too.
    if (watching == Watching::Watched)
        folder.watch = changes_.Watch("/proc/self/fd/" + std::to_string(folder.handle.Get()));
    folder.listed = folder.names.Read(folder.handle.Get());
}

void FolderPairMovePass::RemoveLeftovers(Folder& folder, const MoveNotice& notice)
{
    std::vector<std::string> leftovers;
    folder.names.ForEachName([&](const std::string& name) {
        if (IsLeftoverPartialCopy(folder.handle.Get(), name))
            leftovers.push_back(name);
    });
    std::string removed;
    for (const std::string& name : leftovers) {
        if (unlinkat(folder.handle.Get(), name.c_str(), 0) != 0)
            continue;
        folder.names.Remove(name);
        removed += (removed.empty() ? "" : ", ") + name;
    }
    if (!removed.empty())
        notice("Removed the partial copies that interrupted moves left in " + folder.path + ": " + removed);
}

void FolderPairMovePass::Relist(Folder& folder)
{
    folder.listed = folder.names.Read(folder.handle.Get());
}

bool FolderPairMovePass::ApplyReportedChanges(const std::string& arrived)
{
    bool otherFirst = false;
    bool lost = false;
    changes_.ReadPending([&](const FolderChangeWatch::Change& change) {
        using Kind = FolderChangeWatch::Change::Kind;
        if (change.kind == Kind::ChangesLost) {
            lost = true;
            return;
        }
        for (Folder* folder : {&source_, &destination_}) {
            if (folder->watch != change.watch)
                continue;
            const std::string name(change.name);
            if (change.kind == Kind::FolderGone) {
                folder->watch.reset();
                folder->gone = true;
            }
            else if (change.kind == Kind::NameRemoved)
                folder->names.Remove(name);
            else {
                if (folder == &destination_ && name == arrived && HasOtherSpelling(folder->names, name))
                    otherFirst = true;
                folder->names.Add(name);
            }
        }
    });
    for (Folder* folder : {&source_, &destination_})
        if (lost || !folder->watch)
            Relist(*folder);
    // Without the report the order is unknown: any other spelling counts.
    if ((lost || !destination_.watch) && !arrived.empty())
        otherFirst = HasOtherSpelling(destination_.names, arrived);
    return otherFirst;
}

std::optional<MoveOutcome> FolderPairMovePass::BringUpToDate()
{
    ApplyReportedChanges();
    for (const Folder* folder : {&source_, &destination_}) {
        if (folder->gone)
            return MoveOutcome::FailedBecause(folder->path + " was moved or removed by another program");
        if (!folder->listed)
            return MoveOutcome::FailedBecause(folder->path + " cannot be listed");
    }
    return std::nullopt;
}

std::string FolderPairMovePass::SourceSpelling(const std::string& name) const
{
    const std::vector<std::string>& spellings = source_.names.Spellings(name);
    if (spellings.empty() || std::find(spellings.begin(), spellings.end(), name) != spellings.end())
        return name;
    return spellings.front();
}

bool FolderPairMovePass::AnotherSpellingArrivedFirst(const std::string& name)
{
    return ApplyReportedChanges(name);
}

MoveOutcome FolderPairMovePass::Move(const std::string& name)
{
    if (!source_.handle.IsOpen())
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    if (!destination_.handle.IsOpen())
        return MoveOutcome::FailedBecause("the destination folder does not exist");
    if (sameFolder_)
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationIsSource);
    if (!IsPlainComponent(name))
        return MoveOutcome::FailedBecause("not a plain file name");
    if (std::optional<MoveOutcome> stop = BringUpToDate())
        return *stop;
    const std::string spelling = SourceSpelling(name);
    struct stat looked;
    if (fstatat(source_.handle.Get(), spelling.c_str(), &looked, AT_SYMLINK_NOFOLLOW) != 0)
        return OutcomeOfFailedRename(errno);
    if (!S_ISREG(looked.st_mode) && !S_ISLNK(looked.st_mode))
        return MoveOutcome::FailedBecause(WhatItIs(looked));
    if (!destination_.names.Spellings(name).empty())
        return CompleteInterruptedMove(name, spelling, looked);
    BetweenLookAndRename();
    if (RenameWithoutReplacing(source_.handle.Get(), spelling, destination_.handle.Get(), name))
        return MoveWithinVolume(name, spelling, looked);
    if (errno == EXDEV)
        return MoveAcrossVolumes(name, spelling, looked);
    return OutcomeOfFailedRename(errno);
}

// The rename is done: it stands only when it moved the entry looked at and
// no other spelling of the name came first.
MoveOutcome FolderPairMovePass::MoveWithinVolume(const std::string& name, const std::string& spelling,
                                                 const struct stat& looked)
{
    if (AnotherSpellingArrivedFirst(name))
        return PutBack(name, spelling, MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken));
    struct stat arrived;
    if (fstatat(destination_.handle.Get(), name.c_str(), &arrived, AT_SYMLINK_NOFOLLOW) == 0 &&
        !SameFile(arrived, looked))
        return PutBack(name, spelling, MoveOutcome::FailedBecause(kReplacedWhileMoved));
    return MoveOutcome::Done();
}

MoveOutcome FolderPairMovePass::PutBack(const std::string& name, const std::string& spelling, MoveOutcome why)
{
    if (!RenameWithoutReplacing(destination_.handle.Get(), name, source_.handle.Get(), spelling))
        return MoveOutcome::FailedBecause(DescribeMoveFailure(why) + ", and it could not be put back: " +
                                          std::strerror(errno));
    ApplyReportedChanges();
    return why;
}

MoveOutcome FolderPairMovePass::MoveAcrossVolumes(const std::string& name, const std::string& spelling,
                                                  const struct stat& looked)
{
    if (S_ISLNK(looked.st_mode))
        return MoveOutcome::FailedBecause("it is a symbolic link, which is not moved to another volume");
    FileDescriptor source(openat(source_.handle.Get(), spelling.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened;
    if (!source.IsOpen() || fstat(source.Get(), &opened) != 0)
        return OutcomeOfFailedRename(errno);
    if (!SameFile(opened, looked) || !S_ISREG(opened.st_mode))
        return MoveOutcome::FailedBecause(kReplacedWhileMoved);
    std::optional<FileDescriptor> copy = CopyUnderName(source.Get(), opened, destination_.handle.Get(), name);
    if (!copy)
        return OutcomeOfFailedRename(errno);
    struct stat copied;
    fstat(copy->Get(), &copied);
    if (AnotherSpellingArrivedFirst(name)) {
        RemoveCopy(name, copied);
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    }
    struct stat still;
    if (fstatat(source_.handle.Get(), spelling.c_str(), &still, AT_SYMLINK_NOFOLLOW) != 0 || !SameFile(still, opened)) {
        RemoveCopy(name, copied);
        return MoveOutcome::FailedBecause(kReplacedWhileMoved);
    }
    if (!ReleaseCopy(*copy, opened) || unlinkat(source_.handle.Get(), spelling.c_str(), 0) != 0) {
        const int error = errno;
        RemoveCopy(name, copied);
        return MoveOutcome::FailedBecause(std::strerror(error));
    }
    return MoveOutcome::Done();
}

void FolderPairMovePass::RemoveCopy(const std::string& name, const struct stat& copied)
{
    struct stat present;
    if (fstatat(destination_.handle.Get(), name.c_str(), &present, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(present, copied))
        unlinkat(destination_.handle.Get(), name.c_str(), 0);
    ApplyReportedChanges();
}

// Only a spelling of the name that is the gauge itself (a second name of it)
// or a whole copy of it (the copy of a move between volumes that was stopped
// before the gauge's own name went) lets the move complete.
MoveOutcome FolderPairMovePass::CompleteInterruptedMove(const std::string& name, const std::string& spelling,
                                                        const struct stat& looked)
{
    const std::vector<std::string> inTheWay = destination_.names.Spellings(name);
    if (!S_ISREG(looked.st_mode))
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    for (const std::string& other : inTheWay) {
        struct stat status;
        if (fstatat(destination_.handle.Get(), other.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return OutcomeOfFailedRename(errno);
        if (SameFile(status, looked))
            continue;
        if (inTheWay.size() != 1 ||
            !HoldSameContents(source_.handle.Get(), spelling, destination_.handle.Get(), other))
            return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
        // A copy stopped before it was given its permissions.
        if ((status.st_mode & 07777) == 0)
            fchmodat(destination_.handle.Get(), other.c_str(), looked.st_mode & 07777, 0);
    }
    if (unlinkat(source_.handle.Get(), spelling.c_str(), 0) != 0)
        return MoveOutcome::FailedBecause(std::strerror(errno));
    return MoveOutcome::Done();
}

}  // namespace dalvorn
