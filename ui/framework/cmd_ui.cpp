#include "cmd_ui.h"

void CCmdUI::Enable(BOOL on)
{
    if (!on && ::GetFocus() == m_control)
        ::SendMessageA(::GetParent(m_control), WM_NEXTDLGCTL, 0, FALSE);
    ::EnableWindow(m_control, on);
}
