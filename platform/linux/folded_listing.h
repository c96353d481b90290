#pragma once
// A folder's names by their folded spelling (FoldNameCase), so that every
// spelling of a name is one lookup. Each name keeps the type the listing
// gave it, until a change to it is reported.

#include <dirent.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dalvorn {

class FoldedListing {
public:
    struct Name {
        std::string spelling;
        // DT_REG, DT_DIR, ... as listed; DT_UNKNOWN when not known.
        unsigned char type = DT_UNKNOWN;
    };

    // Lists the folder open as `folder` afresh; false when it cannot be
    // read to its end.
    bool Read(int folder);

    // A name arrived (its type unknown now); true when another spelling of
    // it was listed already.
    bool Add(const std::string& name);
    // A name left; one the listing does not show changes nothing.
    void Remove(const std::string& name);

    // The entry `name` names: its exact spelling when listed, else the
    // first spelling in folder order; null when none is listed.
    const Name* Find(const std::string& name) const;
    // Every spelling of `name` that is listed.
    std::vector<std::string> Spellings(const std::string& name) const;

    void ForEachName(const std::function<void(const std::string&)>& visit) const;

    std::size_t Size() const { return namesByFold_.size(); }
    // Makes room for `count` names at once, sparing the listing of a folder
    // that fills up a pass long a rehash now and then.
    void Reserve(std::size_t count) { namesByFold_.reserve(count); }

private:
    std::unordered_multimap<std::string, Name> namesByFold_;
};

}  // namespace dalvorn
