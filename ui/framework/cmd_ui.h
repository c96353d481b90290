#pragma once
// What an update handler receives: the control it decides about.

#include <windows.h>

class CCmdUI {
public:
    CCmdUI(UINT id, HWND control) : m_nID(id), m_control(control) {}

    // Enables or disables the control; a control that loses its enabled
    // state while it has the focus first passes the focus on, so the
    // keyboard keeps working.
    void Enable(BOOL on = TRUE)
    {
        if (!on && ::GetFocus() == m_control)
            ::SendMessageA(::GetParent(m_control), WM_NEXTDLGCTL, 0, FALSE);
        ::EnableWindow(m_control, on);
    }

    const UINT m_nID;

private:
    HWND m_control;
};
