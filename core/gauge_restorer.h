#pragma once
// Undoing a move: gauges go back from gauges\unused into gauges.

#include <string>
#include <vector>

namespace dalvorn {

class FileSystem;

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

}  // namespace dalvorn
