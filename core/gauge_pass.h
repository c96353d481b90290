#pragma once
// One pass of gauges from one folder into another, as Move Selected and the
// restores make it. Both folders are listed once: a gauge is found in the
// source in any letter case, and moves only to a name no entry of the
// destination, nor a gauge moved before it, has in any letter case. The
// platform then moves it without replacing anything.

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "file_system.h"

namespace dalvorn {

class GaugeList;

class GaugePass {
public:
    GaugePass(FileSystem& fileSystem, const std::string& source, const std::string& destination);

    // Moves the gauge `key` from the source folder into the destination,
    // where it takes the name `key`.
    MoveOutcome Move(const std::string& key);

private:
    // True when the destination lists the names the source does.
    bool ListTheSameNames() const;

    FileSystem& fileSystem_;
    std::string source_;
    std::string destination_;
    std::unordered_map<std::string, std::string> sourceNames_;  // key -> name on disk
    std::unordered_set<std::string> destinationKeys_;
    bool destinationIsSource_ = false;
};

// The gauge whose move failed, and why.
struct FailedMove {
    std::string key;
    MoveOutcome outcome;
};

// Moves the ticked entries in list order, deleting each moved one, until
// the first failure; `beforeMove` is told each key before its move.
std::optional<FailedMove> MoveTickedEntries(GaugePass& pass, GaugeList& list,
                                            const std::function<void(const std::string& key)>& beforeMove = {});

// The failure as the user reads it: `headline`, the gauge and why, and how
// many gauges the pass had moved before it, under `movedLabel`.
std::string FailedPassText(const char* headline, const FailedMove& failure, const char* movedLabel,
                           std::size_t moved);

}  // namespace dalvorn
