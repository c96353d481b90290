#pragma once
// Case-insensitive name lookups in folders, each folder served from one
// listing that is kept up to date as this program adds and removes entries.
// Every answer first checks the folder's identity, change times and size
// against those the listing was taken at, and lists the folder afresh when
// anything else changed it meanwhile.

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dalvorn {

class FolderNameIndex {
public:
    // Every name in the folder that equals `name` in any letter case, in
    // folder order; nothing when the folder cannot be opened.
    std::vector<std::string> Matching(const std::string& folder, const std::string& name);

    // One entry this program adds to or removes from a folder.
    struct EntryChange {
        std::string folder;
        std::string name;
        bool added;
    };

    // True when the folder can be listed as spelt (its listing is then held).
    bool CanList(const std::string& folder) { return CurrentListing(folder) != nullptr; }

    // Runs `action`, which makes `changes` and reports whether it did, and
    // brings the listings of the folders concerned up to date. Returns what
    // `action` returned.
    bool Change(const std::vector<EntryChange>& changes, const std::function<bool()>& action);

    // Starts one operation (a move): a listing checked during it is taken
    // as current for the rest of it, sparing a second look at its folder.
    void BeginOperation() { ++operation_; }

    // The folder's device and inode, as checked during this operation or
    // looked up now; nothing when it cannot be determined.
    std::optional<std::pair<dev_t, ino_t>> IdentityOf(const std::string& folder);

private:
    struct Stamp {
        dev_t device;
        ino_t inode;
        timespec modified;
        timespec changed;
        off_t size;
        bool operator==(const Stamp& other) const;
    };
    using NamesByFold = std::unordered_map<std::string, std::vector<std::string>>;
    struct Listing {
        Stamp stamp;
        NamesByFold names;
        unsigned long checkedIn = 0;  // the operation that last found it current
    };

    static std::optional<Stamp> StampOf(const std::string& folder);
    // The folder's listing, taken afresh unless the one held is current.
    const Listing* CurrentListing(const std::string& folder);
    void Apply(Listing& listing, const EntryChange& change) const;

    bool CheckedDuringThisOperation(const std::string& folder) const;

    std::unordered_map<std::string, Listing> listings_;
    unsigned long operation_ = 1;
};

}  // namespace dalvorn
