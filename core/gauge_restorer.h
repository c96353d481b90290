#pragma once
// Undoing a move: gauges go back from gauges\unused into gauges.

#include <string>
#include <vector>

namespace dalvorn {

class FileSystem;
class GaugeList;
class GaugeUsageTable;
class OwnerWindow;

struct RestoreFailure {
    std::string key;
    std::string reason;
};

struct RestoreResult {
    bool gaugeFolderFound = true;
    std::size_t restored = 0;
    std::vector<RestoreFailure> failures;
    // What the user should know about the pass that stops nothing.
    std::vector<std::string> notices;
};

extern const char kAlreadyInGauges[];
extern const char kNotInUnused[];
extern const char kRestoreMoveFailed[];

// Moves the named gauges (all of them when `keys` is empty) from
// gauges\unused back into gauges, never replacing a file there.
RestoreResult RestoreGauges(FileSystem& fileSystem, const std::string& folderText, const std::vector<std::string>& keys);

// The gauges in gauges\unused entered into the table, each with the
// aircraft whose panels name it. False, after telling the owner, when the
// gauge folder is missing or a panel cannot be read (the table as it was); a
// missing or empty unused folder gives no gauge.
bool ScanUnusedGauges(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                      GaugeUsageTable& table);

// The Restore Selected command: moves every ticked gauge from gauges\unused
// back into gauges in list order, taking restored ones off the list, and
// reports the counts. The first failure ends the pass without a report.
// Returns how many gauges are back.
std::size_t RestoreSelectedGauges(FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                                  GaugeList& list);

}  // namespace dalvorn
