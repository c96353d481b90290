#include "folder_name_index.h"

#include <algorithm>
#include <map>

#include "core/text_case.h"
#include "directory_handle.h"
#include "name_order.h"

namespace dalvorn {

namespace {

bool SameTime(const timespec& left, const timespec& right)
{
    return left.tv_sec == right.tv_sec && left.tv_nsec == right.tv_nsec;
}

}  // namespace

bool FolderNameIndex::Stamp::operator==(const Stamp& other) const
{
    return device == other.device && inode == other.inode && SameTime(modified, other.modified) &&
           SameTime(changed, other.changed) && size == other.size;
}

std::optional<FolderNameIndex::Stamp> FolderNameIndex::StampOf(const std::string& folder)
{
    struct stat status;
    if (stat(folder.empty() ? "." : folder.c_str(), &status) != 0)
        return std::nullopt;
    return Stamp{status.st_dev, status.st_ino, status.st_mtim, status.st_ctim, status.st_size};
}

const FolderNameIndex::Listing* FolderNameIndex::CurrentListing(const std::string& folder)
{
    if (CheckedDuringThisOperation(folder))
        return &listings_.at(folder);
    // Stamped before reading: a change made while the folder is read shows
    // as a newer stamp at the next lookup.
    const std::optional<Stamp> stamp = StampOf(folder);
    if (!stamp) {
        listings_.erase(folder);
        return nullptr;
    }
    auto held = listings_.find(folder);
    if (held != listings_.end() && held->second.stamp == *stamp) {
        held->second.checkedIn = operation_;
        return &held->second;
    }
    DirectoryHandle directory(folder);
    if (!directory.IsOpen()) {
        listings_.erase(folder);
        return nullptr;
    }
    Listing listing{*stamp, {}, operation_};
    while (const dirent* entry = directory.Next())
        listing.names[FoldNameCase(entry->d_name)].emplace_back(entry->d_name);
    for (auto& [fold, names] : listing.names)
        std::sort(names.begin(), names.end(), PrecedesInFolderOrder);
    return &(listings_[folder] = std::move(listing));
}

std::vector<std::string> FolderNameIndex::Matching(const std::string& folder, const std::string& name)
{
    const Listing* listing = CurrentListing(folder);
    if (!listing)
        return {};
    auto found = listing->names.find(FoldNameCase(name));
    return found == listing->names.end() ? std::vector<std::string>() : found->second;
}

void FolderNameIndex::Apply(Listing& listing, const EntryChange& change) const
{
    std::vector<std::string>& names = listing.names[FoldNameCase(change.name)];
    auto position = std::lower_bound(names.begin(), names.end(), change.name, PrecedesInFolderOrder);
    const bool present = position != names.end() && *position == change.name;
    if (change.added && !present)
        names.insert(position, change.name);
    else if (!change.added && present)
        names.erase(position);
    if (names.empty())
        listing.names.erase(FoldNameCase(change.name));
}

bool FolderNameIndex::CheckedDuringThisOperation(const std::string& folder) const
{
    auto held = listings_.find(folder);
    return held != listings_.end() && held->second.checkedIn == operation_;
}

std::optional<std::pair<dev_t, ino_t>> FolderNameIndex::IdentityOf(const std::string& folder)
{
    if (CheckedDuringThisOperation(folder)) {
        const Stamp& stamp = listings_.at(folder).stamp;
        return std::make_pair(stamp.device, stamp.inode);
    }
    const std::optional<Stamp> stamp = StampOf(folder);
    if (!stamp)
        return std::nullopt;
    return std::make_pair(stamp->device, stamp->inode);
}

bool FolderNameIndex::Change(const std::vector<EntryChange>& changes, const std::function<bool()>& action)
{
    // A listing is carried over only when nobody else changed its folder
    // since it was last checked; anything else is listed afresh next time.
    std::map<std::string, bool> current;
    for (const EntryChange& change : changes) {
        if (CheckedDuringThisOperation(change.folder)) {
            current[change.folder] = true;
            continue;
        }
        auto held = listings_.find(change.folder);
        const std::optional<Stamp> stamp = StampOf(change.folder);
        current[change.folder] = held != listings_.end() && stamp && held->second.stamp == *stamp;
    }
    if (!action())
        return false;
    for (const auto& [folder, isCurrent] : current) {
        const std::optional<Stamp> stamp = StampOf(folder);
        if (!isCurrent || !stamp) {
            listings_.erase(folder);
            continue;
        }
        Listing& listing = listings_[folder];
        for (const EntryChange& change : changes)
            if (change.folder == folder)
                Apply(listing, change);
        listing.stamp = *stamp;
        listing.checkedIn = 0;
    }
    return true;
}

}  // namespace dalvorn
