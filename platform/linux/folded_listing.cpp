#include "folded_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
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
    errno = 0;
    while (const dirent* entry = readdir(stream)) {
        if (!IsDotEntry(entry->d_name))
            namesByFold_[FoldNameCase(entry->d_name)].emplace_back(entry->d_name);
        errno = 0;
    }
    const bool complete = errno == 0;
    closedir(stream);
    for (auto& [fold, names] : namesByFold_)
        std::sort(names.begin(), names.end(), PrecedesInFolderOrder);
    return complete;
}

void FoldedListing::Add(const std::string& name)
{
    std::vector<std::string>& names = namesByFold_[FoldNameCase(name)];
    const auto position = std::lower_bound(names.begin(), names.end(), name, PrecedesInFolderOrder);
    if (position == names.end() || *position != name)
        names.insert(position, name);
}

void FoldedListing::Remove(const std::string& name)
{
    const auto group = namesByFold_.find(FoldNameCase(name));
    if (group == namesByFold_.end())
        return;
    std::vector<std::string>& names = group->second;
    const auto position = std::lower_bound(names.begin(), names.end(), name, PrecedesInFolderOrder);
    if (position != names.end() && *position == name)
        names.erase(position);
    if (names.empty())
        namesByFold_.erase(group);
}

const std::vector<std::string>& FoldedListing::Spellings(const std::string& name) const
{
    static const std::vector<std::string> kNone;
    const auto group = namesByFold_.find(FoldNameCase(name));
    return group == namesByFold_.end() ? kNone : group->second;
}

void FoldedListing::ForEachName(const std::function<void(const std::string&)>& visit) const
{
    for (const auto& [fold, names] : namesByFold_)
        for (const std::string& name : names)
            visit(name);
}

}  // namespace dalvorn
