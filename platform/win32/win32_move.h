#pragma once
// Moving one file with kernel32, so that a move that reports success really
// moved the file, and one that fails leaves nothing behind.

#include <string>

#include "core/file_system.h"

namespace dalvorn {

// Moves `from` to `to` (ANSI paths), never replacing a file. Only a regular
// file at `from` reached by its own name moves: a folder, a pipe, a device
// or a link (what it leads to stays untouched) fails with the reason. A
// second name of the file left at `from` by an interrupted move is removed.
// Callers must rule out a destination folder that leads back to the
// source's folder: the system reports such a move as done. Between volumes
// the file is copied, with its modification time, under a partial
// copy's name beside the destination and renamed into place, so a failed or
// interrupted copy never takes the gauge's name (leftover_copies.h removes
// what a killed move left).
MoveOutcome MoveFileWithoutLoss(const std::string& from, const std::string& to);

}  // namespace dalvorn
