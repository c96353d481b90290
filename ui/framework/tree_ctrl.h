#pragma once
// A tree-view control ("SysTreeView32").

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "wnd.h"

class CTreeCtrl : public CWnd {
public:
    HTREEITEM InsertItem(UINT mask, const std::string& text, int image, int selectedImage, UINT state,
                         UINT stateMask, LPARAM data, HTREEITEM parent, HTREEITEM insertAfter);
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    UINT GetCount() const;
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }

    // Check boxes (TVS_CHECKBOXES): the state image 1 is the empty box, 2 the ticked one.
    BOOL SetCheck(HTREEITEM item, BOOL check = TRUE);
    // 1 when ticked, 0 when not, -1 when the item shows no check box.
    BOOL GetCheck(HTREEITEM item) const;
};
