#include "folder_pair_move_pass.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "case_insensitive_path.h"
#include "copying_move.h"
#include "core/text_case.h"
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
std::string WhatItIs(unsigned char type)
{
    if (type == DT_DIR)
        return "it is a folder, not a gauge file";
    if (type == DT_FIFO)
        return "it is a named pipe, not a gauge file";
    return "it is a device or socket, not a gauge file";
}

// The entry's type as the listing gave it, or as it is now when the
// listing does not know; DT_UNKNOWN when it is gone.
unsigned char TypeOf(int folder, const FoldedListing::Name& entry)
{
    if (entry.type != DT_UNKNOWN)
        return entry.type;
    struct stat status;
    if (fstatat(folder, entry.spelling.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return DT_UNKNOWN;
    return IFTODT(status.st_mode);
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
    for (const std::string& spelling : listing.Spellings(name))
        if (spelling != name)
            return true;
    return false;
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
    if (watching == Watching::Watched && source_.handle.IsOpen() && destination_.handle.IsOpen() && !Watched())
        notice(kUnwatched);
    RemoveLeftovers(destination_, notice);
    RemoveLeftovers(source_, notice);
    destination_.names.Reserve(destination_.names.Size() + source_.names.Size());
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
    std::vector<std::string> removed;
    for (const std::string& name : leftovers) {
        if (unlinkat(folder.handle.Get(), name.c_str(), 0) != 0)
            continue;
        folder.names.Remove(name);
        removed.push_back(name);
    }
    if (!removed.empty())
        notice(RemovedLeftoversNotice(folder.path, removed));
}

FolderPairMovePass::Report FolderPairMovePass::ApplyReportedChanges(const std::string& arrived,
                                                                     const std::string& left)
{
    Report report;
    bool lost = false;
    int changesToLeft = 0;
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
            if (folder == &source_ && name == left)
                ++changesToLeft;
            if (change.kind == Kind::FolderGone) {
                folder->watch.reset();
                folder->gone = true;
            } else if (change.kind == Kind::NameRemoved) {
                folder->names.Remove(name);
            } else {
                const bool another = folder->names.Add(name);
                if (folder == &destination_ && name == arrived && another)
                    report.anotherSpellingFirst = true;
            }
        }
    });
    for (Folder* folder : {&source_, &destination_})
        if (lost || !folder->watch)
            folder->listed = folder->names.Read(folder->handle.Get());
    // The move's own departure is one change; without the report nothing
    // is known, so everything is looked at.
    report.sourceNameChanged = changesToLeft > 1 || lost || !source_.watch;
    if ((lost || !destination_.watch) && !arrived.empty())
        report.anotherSpellingFirst = HasOtherSpelling(destination_.names, arrived);
    return report;
}

std::optional<MoveOutcome> FolderPairMovePass::CannotGoOn() const
{
    for (const Folder* folder : {&source_, &destination_}) {
        if (folder->gone)
            return MoveOutcome::FailedBecause(folder->path + " was moved or removed by another program");
        if (!folder->listed)
            return MoveOutcome::FailedBecause(folder->path + " cannot be listed");
    }
    return std::nullopt;
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
    // Watched folders are brought up to date after each rename.
    if (!Watched())
        ApplyReportedChanges();
    if (std::optional<MoveOutcome> stop = CannotGoOn())
        return *stop;
    const FoldedListing::Name* entry = source_.names.Find(name);
    if (!entry) {
        ApplyReportedChanges();
        entry = source_.names.Find(name);
    }
    if (!entry)
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    const std::string spelling = entry->spelling;
    const unsigned char type = TypeOf(source_.handle.Get(), *entry);
    if (type == DT_UNKNOWN)
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    if (type != DT_REG && type != DT_LNK)
        return MoveOutcome::FailedBecause(WhatItIs(type));
    // A name that is no UTF-8 keeps its bytes; only its key spells it in
    // UTF-8.
    const std::string target = IsValidUtf8(spelling) ? name : spelling;
    if (destination_.names.Find(target))
        return CompleteInterruptedMove(spelling, target);
    BetweenLookAndRename();
    if (RenameWithoutReplacing(source_.handle.Get(), spelling, destination_.handle.Get(), target))
        return MoveWithinVolume(target, spelling);
    if (errno == EXDEV)
        return MoveAcrossVolumes(target, spelling);
    const int error = errno;
    ApplyReportedChanges();
    return OutcomeOfFailedRename(error);
}

// The rename is done: it stands only when no other spelling of the name
// came first and what arrived is a file or a link.
MoveOutcome FolderPairMovePass::MoveWithinVolume(const std::string& name, const std::string& spelling)
{
    const Report report = ApplyReportedChanges(name, spelling);
    if (report.anotherSpellingFirst)
        return PutBack(name, spelling, MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken));
    if (std::optional<MoveOutcome> stop = CannotGoOn())
        return PutBack(name, spelling, *stop);
    struct stat arrived;
    if (report.sourceNameChanged &&
        fstatat(destination_.handle.Get(), name.c_str(), &arrived, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(arrived.st_mode) && !S_ISLNK(arrived.st_mode))
        return PutBack(name, spelling, MoveOutcome::FailedBecause(WhatItIs(IFTODT(arrived.st_mode))));
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

MoveOutcome FolderPairMovePass::MoveAcrossVolumes(const std::string& name, const std::string& spelling)
{
    struct stat looked;
    if (fstatat(source_.handle.Get(), spelling.c_str(), &looked, AT_SYMLINK_NOFOLLOW) != 0)
        return OutcomeOfFailedRename(errno);
    if (S_ISLNK(looked.st_mode))
        return MoveOutcome::FailedBecause("it is a symbolic link, which is not moved to another volume");
    if (!S_ISREG(looked.st_mode))
        return MoveOutcome::FailedBecause(WhatItIs(IFTODT(looked.st_mode)));
    FileDescriptor source(openat(source_.handle.Get(), spelling.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened;
    if (!source.IsOpen() || fstat(source.Get(), &opened) != 0)
        return OutcomeOfFailedRename(errno);
    if (!SameFile(opened, looked))
        return MoveOutcome::FailedBecause(kReplacedWhileMoved);
    std::optional<FileDescriptor> copy = CopyUnderName(source.Get(), opened, destination_.handle.Get(), name);
    if (!copy)
        return OutcomeOfFailedRename(errno);
    struct stat copied;
    fstat(copy->Get(), &copied);
    if (ApplyReportedChanges(name).anotherSpellingFirst) {
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
MoveOutcome FolderPairMovePass::CompleteInterruptedMove(const std::string& spelling, const std::string& name)
{
    struct stat looked;
    if (fstatat(source_.handle.Get(), spelling.c_str(), &looked, AT_SYMLINK_NOFOLLOW) != 0)
        return OutcomeOfFailedRename(errno);
    if (!S_ISREG(looked.st_mode))
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    const std::vector<std::string> inTheWay = destination_.names.Spellings(name);
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
    ApplyReportedChanges();
    return MoveOutcome::Done();
}

}  // namespace dalvorn
