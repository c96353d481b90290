#pragma once
// The copy that moves a file to another volume, and the partial copies an
// interrupted one leaves behind.

#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "file_descriptor.h"

namespace dalvorn {

// Copies the regular file open as `source`, whose status is `status`, into
// the folder open as `folder`: under a partial copy's name first, and under
// `name` only once it is whole, with the source's modification time, never
// replacing anything there. Gives the copy, still open, once it has the
// name; it keeps no permissions until ReleaseCopy, which marks it as this
// program's partial copy meanwhile. Nothing on failure, with errno telling
// why and no partial copy left.
std::optional<FileDescriptor> CopyUnderName(int source, const struct stat& status, int folder,
                                            const std::string& name);

// Gives the copy the source's permissions and closes it; false on failure.
bool ReleaseCopy(FileDescriptor& copy, const struct stat& status);

// True when the folder's entry `name` is a partial copy an interrupted move
// of this program left: named after a gauge with the partial copy's suffix,
// a file of its own (no link, no second name) of this user, with the
// permissions only a partial copy has.
bool IsLeftoverPartialCopy(int folder, const std::string& name);

}  // namespace dalvorn
