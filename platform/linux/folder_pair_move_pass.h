#pragma once
// The moves of one pass between one source folder and one destination
// folder on Linux. Both folders are held open, watched (the kernel reports
// every name that arrives or leaves, FolderChangeWatch) and listed once by
// folded spelling, with each entry's type. A move is one lookup in each
// listing and one rename that never replaces; the kernel's report read
// after it tells whether another spelling of the name arrived in the
// destination before the gauge did, or whether the gauge's name changed
// since it was listed (then what arrived is looked at); either way the
// gauge goes back if it must. A folder that cannot be watched is listed
// afresh for every move, and every arrival is looked at.

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
    // What the changes reported since the last look showed.
    struct Report {
        bool anotherSpellingFirst = false;  // in the destination, before `arrived`
        bool sourceNameChanged = false;     // `left` changed in the source before it left
    };

    void Open(Folder& folder, const std::string& path, Watching watching);
    void RemoveLeftovers(Folder& folder, const MoveNotice& notice);
    Report ApplyReportedChanges(const std::string& arrived = std::string(), const std::string& left = std::string());
    bool Watched() const { return source_.watch && destination_.watch; }
    std::optional<MoveOutcome> CannotGoOn() const;

    MoveOutcome MoveWithinVolume(const std::string& name, const std::string& spelling);
    MoveOutcome MoveAcrossVolumes(const std::string& name, const std::string& spelling);
    MoveOutcome CompleteInterruptedMove(const std::string& spelling, const std::string& name);
    MoveOutcome PutBack(const std::string& name, const std::string& spelling, MoveOutcome why);
    void RemoveCopy(const std::string& name, const struct stat& copied);

    FolderChangeWatch changes_;
    Folder source_;
    Folder destination_;
    bool sameFolder_ = false;
};

}  // namespace dalvorn
