#pragma once

#include <string>

namespace dalvorn {

// Renames `from` to `to` only if nothing exists at `to`, as one atomic step:
// an entry that appears at `to` meanwhile is never replaced. Falls back to
// hard-linking and unlinking where the file system cannot refuse to replace
// in a rename (files only), and to copying where `to` lies on another
// volume (files only). False on any failure, with errno telling why.
bool RenameWithoutReplacing(const std::string& from, const std::string& to);

// The fallback: link() fails rather than replace, then the old name goes.
bool MoveByLinking(const std::string& from, const std::string& to);

}  // namespace dalvorn
