#pragma once
// Data exchange: binds dialog members to controls by control ID.

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The dialog's control with that ID; throws when the template lacks it.
    HWND PrepareCtrl(int id) const;

    const BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* const m_pDlgWnd;
};

// Attaches `control` to the dialog's control `id`.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// Moves text between `value` and the control `id`.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
