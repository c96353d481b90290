#include "folder_name_index.h"

#include <algorithm>

#include "core/text_case.h"
#include "directory_handle.h"
#include "name_order.h"

namespace dalvorn {

namespace {

std::optional<FolderNameIndex::Identity> IdentityOfPath(const std::string& folder)
{
    struct stat status;
    if (stat(folder.empty() ? "." : folder.c_str(), &status) != 0)
        return std::nullopt;
    return FolderNameIndex::Identity{status.st_dev, status.st_ino};
}

std::optional<FolderNameIndex::Identity> IdentityOfOpen(const DirectoryHandle& directory)
{
    struct stat status;
    if (fstat(directory.Descriptor(), &status) != 0)
        return std::nullopt;
    return FolderNameIndex::Identity{status.st_dev, status.st_ino};
}

}  // namespace

const FolderNameIndex::Listing* FolderNameIndex::CurrentListing(const std::string& folder)
{
    if (CheckedDuringThisOperation(folder))
        return &listings_.at(folder);
    ApplyReportedChanges();
    const std::optional<Identity> identity = IdentityOfPath(folder);
    auto held = listings_.find(folder);
    if (!identity) {
        if (held != listings_.end())
            listings_.erase(held);
        return nullptr;
    }
    if (held != listings_.end() && held->second.watch && held->second.identity == *identity) {
        held->second.checkedIn = operation_;
        return &held->second;
    }
    return ListAfresh(folder);
}

const FolderNameIndex::Listing* FolderNameIndex::ListAfresh(const std::string& folder)
{
    // Watched before it is read: a change made while it is read is reported
    // too, and applying it again to a listing that shows it changes nothing.
    std::optional<int> watch = changes_.Watch(folder);
    DirectoryHandle directory(folder);
    const std::optional<Identity> identity = directory.IsOpen() ? IdentityOfOpen(directory) : std::nullopt;
    if (!identity) {
        listings_.erase(folder);
        return nullptr;
    }
    Listing listing{*identity, watch, {}, operation_};
    while (const dirent* entry = directory.Next())
        listing.names[FoldNameCase(entry->d_name)].emplace_back(entry->d_name);
    for (auto& [fold, names] : listing.names)
        std::sort(names.begin(), names.end(), PrecedesInFolderOrder);
    // The watch must be on the folder read: the path may have been turned
    // to another folder in between.
    if (watch && (changes_.Watch(folder) != watch || IdentityOfPath(folder) != identity))
        listing.watch.reset();
    return &(listings_[folder] = std::move(listing));
}

void FolderNameIndex::ApplyReportedChanges()
{
    if (changesAppliedIn_ == operation_)
        return;
    changesAppliedIn_ = operation_;
    changes_.ReadPending([this](const FolderChangeWatch::Change& change) { Apply(change); });
}

void FolderNameIndex::Apply(const FolderChangeWatch::Change& change)
{
    using Kind = FolderChangeWatch::Change::Kind;
    if (change.kind == Kind::ChangesLost) {
        listings_.clear();
        return;
    }
    for (auto held = listings_.begin(); held != listings_.end();) {
        if (held->second.watch != change.watch) {
            ++held;
        } else if (change.kind == Kind::FolderGone) {
            held = listings_.erase(held);
        } else {
            Apply(held->second, change.name, change.kind == Kind::NameAdded);
            ++held;
        }
    }
}

// A change the listing shows already, as one made while it was read, changes nothing.
void FolderNameIndex::Apply(Listing& listing, std::string_view name, bool added)
{
    const std::string entry(name);
    const std::string fold = FoldNameCase(entry);
    std::vector<std::string>& names = listing.names[fold];
    auto position = std::lower_bound(names.begin(), names.end(), entry, PrecedesInFolderOrder);
    const bool present = position != names.end() && *position == entry;
    if (added && !present)
        names.insert(position, entry);
    else if (!added && present)
        names.erase(position);
    if (names.empty())
        listing.names.erase(fold);
}

std::vector<std::string> FolderNameIndex::Matching(const std::string& folder, const std::string& name)
{
    const Listing* listing = CurrentListing(folder);
    if (!listing)
        return {};
    auto found = listing->names.find(FoldNameCase(name));
    return found == listing->names.end() ? std::vector<std::string>() : found->second;
}

bool FolderNameIndex::CheckedDuringThisOperation(const std::string& folder) const
{
    auto held = listings_.find(folder);
    return held != listings_.end() && held->second.checkedIn == operation_;
}

std::optional<FolderNameIndex::Identity> FolderNameIndex::IdentityOf(const std::string& folder)
{
    if (CheckedDuringThisOperation(folder))
        return listings_.at(folder).identity;
    return IdentityOfPath(folder);
}

}  // namespace dalvorn
