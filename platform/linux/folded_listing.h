#pragma once
// A folder's names grouped by their folded spelling (FoldNameCase), each
// group in folder order, so that every spelling of a name is one lookup.

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dalvorn {

class FoldedListing {
public:
    // Lists the folder open as `folder` afresh; false when it cannot be
    // read to its end.
    bool Read(int folder);

    // A name arrived or left; a change the listing shows already changes
    // nothing.
    void Add(const std::string& name);
    void Remove(const std::string& name);

    // Every name that equals `name` in any letter case, in folder order.
    const std::vector<std::string>& Spellings(const std::string& name) const;

    void ForEachName(const std::function<void(const std::string&)>& visit) const;

private:
    std::unordered_map<std::string, std::vector<std::string>> namesByFold_;
};

}  // namespace dalvorn
