#pragma once

#include <string>

namespace dalvorn {

// Renames `from` in the folder open as `fromFolder` to `to` in the folder
// open as `toFolder`, only if nothing exists at `to`, as one atomic step: an
// entry that appears at `to` meanwhile is never replaced. Falls back to
// hard-linking and unlinking where the file system cannot refuse to replace
// in a rename (files only). False on any failure, with errno telling why
// (EXDEV: the folders lie on different volumes).
bool RenameWithoutReplacing(int fromFolder, const std::string& from, int toFolder, const std::string& to);

// The fallback: link() fails rather than replace, then the old name goes.
bool MoveByLinking(int fromFolder, const std::string& from, int toFolder, const std::string& to);

}  // namespace dalvorn
