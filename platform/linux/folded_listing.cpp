#include "folded_listing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/text_case.h"
#include "name_order.h"

namespace dalvorn {

bool FoldedListing::Read(int folder)
{
    namesByFold_.clear();
    // A stream of its own, read from the start, so the folder stays open
    // as given.
    DIR* stream = fdopendir(fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!stream)
        return false;
    rewinddir(stream);
    std::vector<Name> names;
    errno = 0;
    while (const dirent* entry = readdir(stream)) {
        if (!IsDotEntry(entry->d_name))
            names.push_back({entry->d_name, entry->d_type});
        errno = 0;
    }
    const bool complete = errno == 0;
    closedir(stream);
    namesByFold_.reserve(names.size());
    for (Name& name : names)
        namesByFold_.emplace(FoldNameCase(name.spelling), std::move(name));
    return complete;
}

bool FoldedListing::Add(const std::string& name)
{
    std::string fold = FoldNameCase(name);
    bool another = false;
    for (auto [at, end] = namesByFold_.equal_range(fold); at != end; ++at) {
        if (at->second.spelling == name) {
            at->second.type = DT_UNKNOWN;  // another entry may have taken the name
            return another;
        }
        another = true;
    }
    namesByFold_.emplace(std::move(fold), Name{name, DT_UNKNOWN});
    return another;
}

void FoldedListing::Remove(const std::string& name)
{
    for (auto [at, end] = namesByFold_.equal_range(FoldNameCase(name)); at != end; ++at) {
        if (at->second.spelling == name) {
            namesByFold_.erase(at);
            return;
        }
    }
}

const FoldedListing::Name* FoldedListing::Find(const std::string& name) const
{
    const Name* first = nullptr;
    for (auto [at, end] = namesByFold_.equal_range(FoldNameCase(name)); at != end; ++at) {
        if (at->second.spelling == name)
            return &at->second;
        if (!first || PrecedesInFolderOrder(at->second.spelling, first->spelling))
            first = &at->second;
    }
    return first;
}

std::vector<std::string> FoldedListing::Spellings(const std::string& name) const
{
    std::vector<std::string> spellings;
    for (auto [at, end] = namesByFold_.equal_range(FoldNameCase(name)); at != end; ++at)
        spellings.push_back(at->second.spelling);
    return spellings;
}

void FoldedListing::ForEachName(const std::function<void(const std::string&)>& visit) const
{
    for (const auto& [fold, name] : namesByFold_)
        visit(name.spelling);
}

}  // namespace dalvorn
