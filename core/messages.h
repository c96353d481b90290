#pragma once
// The captions and messages the core shows through its owner window, once
// for every front end: the dialog shows them in message boxes, the command
// line prints them as "Caption: text".

namespace dalvorn {

inline constexpr char kScanCaption[] = "Scan";
inline constexpr char kRemoveCaption[] = "Remove";
inline constexpr char kRestoreCaption[] = "Restore";
inline constexpr char kCheckCaption[] = "Check";

inline constexpr char kScanFolderNotFound[] = "Folder not found";
inline constexpr char kMoveConfirmation[] = "All selected gauges will be moved to diffrent folder, continue?";
inline constexpr char kSimulatorFolderNotFound[] = "FS2002 folder not found";
inline constexpr char kMoveFailed[] = "Move Failed";
inline constexpr char kRestoreFailed[] = "Restore Failed";
// As the reports label the counts a failed pass also tells.
inline constexpr char kMovedCountLabel[] = "Unused Gauges Moved:";
inline constexpr char kRestoredCountLabel[] = "Gauges Restored:";
inline constexpr char kUsedGaugesWarning[] =
    "Some ticked gauges are used by aircraft panels. Moving them breaks those aircraft:";
inline constexpr char kUsedGaugesQuestion[] = "Move them anyway?";

}  // namespace dalvorn
