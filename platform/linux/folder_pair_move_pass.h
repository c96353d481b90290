#pragma once
// The moves of one pass between one source folder and one destination
// folder on Linux. Both folders are held open, watched (the kernel reports
// every name that arrives or leaves, FolderChangeWatch) and listed once by
// folded spelling; each move is one lookup, one look at the entry and one
// rename that never replaces. The kernel's report read after the rename
// tells whether another spelling of the name arrived in the destination
// before the gauge did; then the gauge goes back. A folder that cannot be
// watched is listed afresh for every move.

#include <sys/stat.h>

#include <optional>
#include <string>

#include "core/file_system.h"
#include "file_descriptor.h"
#include "folded_listing.h"
#include "folder_change_watch.h"

namespace dalvorn {

class FolderPairMovePass : public MovePass {
public:
    enum class Watching { Watched, Unwatched };

    FolderPairMovePass(const std::string& source, const std::string& destination, const MoveNotice& notice,
                       Watching watching = Watching::Watched);

    MoveOutcome Move(const std::string& name) override;

protected:
    // Between the look at both folders and the rename (or the copy): where
    // tests act as another program would.
    virtual void BetweenLookAndRename() {}

private:
    struct Folder {
        std::string path;
        FileDescriptor handle;
        std::optional<int> watch;
        FoldedListing names;
        bool listed = false;
        bool gone = false;  // moved or removed by another program
    };

    void Open(Folder& folder, const std::string& path, Watching watching);
    void RemoveLeftovers(Folder& folder, const MoveNotice& notice);
    void Relist(Folder& folder);
    // Applies the changes reported since the last look; true when the
    // destination had another spelling of `arrived` when `arrived` came.
    bool ApplyReportedChanges(const std::string& arrived = std::string());
    // Nothing when both folders are known as they are now, else why not.
    std::optional<MoveOutcome> BringUpToDate();
    std::string SourceSpelling(const std::string& name) const;
    bool AnotherSpellingArrivedFirst(const std::string& name);

    MoveOutcome MoveWithinVolume(const std::string& name, const std::string& spelling, const struct stat& looked);
    MoveOutcome MoveAcrossVolumes(const std::string& name, const std::string& spelling, const struct stat& looked);
    MoveOutcome CompleteInterruptedMove(const std::string& name, const std::string& spelling,
                                        const struct stat& looked);
    MoveOutcome PutBack(const std::string& name, const std::string& spelling, MoveOutcome why);
    void RemoveCopy(const std::string& name, const struct stat& copied);

    FolderChangeWatch changes_;
    Folder source_;
    Folder destination_;
    bool sameFolder_ = false;
};

}  // namespace dalvorn
