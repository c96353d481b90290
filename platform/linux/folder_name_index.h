#pragma once
// Case-insensitive name lookups in folders, each folder served from one
// listing that is kept up to date as entries arrive and leave. The kernel
// reports every change to a listed folder (FolderChangeWatch); before a
// listing answers, the changes reported meanwhile are applied to it, and the
// folder's path is checked to lead to the folder listed still. A folder that
// cannot be watched is listed afresh for every operation.

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "folder_change_watch.h"

namespace dalvorn {

class FolderNameIndex {
public:
    // Every name in the folder that equals `name` in any letter case, in
    // folder order; nothing when the folder cannot be opened.
    std::vector<std::string> Matching(const std::string& folder, const std::string& name);

    // True when the folder can be listed as spelt (its listing is then held).
    bool CanList(const std::string& folder) { return CurrentListing(folder) != nullptr; }

    // Starts one operation (a move): a listing checked during it is taken
    // as current for the rest of it, sparing a second look at its folder.
    // The changes an operation makes are learnt, like anyone else's, from
    // the kernel's report when the next one begins.
    void BeginOperation() { ++operation_; }

    using Identity = std::pair<dev_t, ino_t>;
    // The folder's device and inode, as checked during this operation or
    // looked up now; nothing when it cannot be determined.
    std::optional<Identity> IdentityOf(const std::string& folder);

private:
    using NamesByFold = std::unordered_map<std::string, std::vector<std::string>>;
    struct Listing {
        Identity identity;
        std::optional<int> watch;  // nothing: good for the operation that listed it only
        NamesByFold names;
        unsigned long checkedIn = 0;  // the operation that last found it current
    };

    // The folder's listing, taken afresh unless the one held is current.
    const Listing* CurrentListing(const std::string& folder);
    const Listing* ListAfresh(const std::string& folder);
    void ApplyReportedChanges();
    void Apply(const FolderChangeWatch::Change& change);
    static void Apply(Listing& listing, std::string_view name, bool added);

    bool CheckedDuringThisOperation(const std::string& folder) const;

    std::unordered_map<std::string, Listing> listings_;
    FolderChangeWatch changes_;
    unsigned long operation_ = 1;
    unsigned long changesAppliedIn_ = 0;
};

}  // namespace dalvorn
