#pragma once
// Finds paths on a file system that tells letter case apart the way Windows
// finds them: every component matches without regard to ASCII letter case,
// and the exact spelling wins whenever it exists.

#include <optional>
#include <string>

namespace dalvorn {

struct PathParts {
    std::string folder;  // "" for a relative name without a folder
    std::string name;
};

// `folder` + '/' + `name`, without doubling a separator the folder ends with.
std::string AppendComponent(const std::string& folder, const std::string& name);

// The folder's entry that `name` names in any letter case: `name` itself when
// it exists as spelt, otherwise the first match in folder order.
std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, const std::string& name);

// The path as it is spelt on disk, or nothing when a component is missing.
std::optional<std::string> ResolvePathIgnoringCase(const std::string& path);

// Where an entry named by `path` lives or would be created: the parent
// folder as spelt on disk and the last component exactly as given. Nothing
// when the parent is missing or the path names no component.
std::optional<PathParts> ResolveParentIgnoringCase(const std::string& path);

// The path as spelt on disk when it can be found, else the path unchanged
// (so the caller's own system call reports why it is missing).
std::string ExistingSpelling(const std::string& path);

}  // namespace dalvorn
