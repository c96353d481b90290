#include "folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace {

struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const { ::CoTaskMemFree(list); }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListDeleter>;

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title)
{
    char displayName[MAX_PATH] = {};
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    const ItemIdList chosen(::SHBrowseForFolderA(&browse));
    if (!chosen)
        return std::nullopt;
    char path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListA(chosen.get(), path) || path[0] == '\0')
        return std::nullopt;
    return std::string(path);
}
