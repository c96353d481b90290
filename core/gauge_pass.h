#pragma once
// One pass of gauges from one folder into another, as Move Selected and the
// restore make it: every gauge gets the same checks before the platform
// moves it.

#include <memory>
#include <string>

#include "file_system.h"

namespace dalvorn {

class GaugePass {
public:
    GaugePass(FileSystem& fileSystem, const std::string& source, const std::string& destination,
              const MoveNotice& notice);

    // Moves the gauge `name` from the source folder into the destination.
    MoveOutcome Move(const std::string& name);

private:
    const FileSystem& fileSystem_;
    // Checked once a pass: some systems report a move within one folder as
    // done.
    bool destinationIsSource_;
    std::unique_ptr<MovePass> pass_;
};

}  // namespace dalvorn
