#include "wnd.h"

#include <vector>

#include "cmd_ui.h"
#include "exception_report.h"
#include "win_app.h"

namespace {

// Points the window at the flag of the message now being handled, and back
// at the outer message's flag when that handler returns.
class DefaultRequestScope {
public:
    explicit DefaultRequestScope(bool*& current) : current_(current), outer_(current) { current_ = &requested; }
    ~DefaultRequestScope() { current_ = outer_; }
    DefaultRequestScope(const DefaultRequestScope&) = delete;
    DefaultRequestScope& operator=(const DefaultRequestScope&) = delete;

    bool requested = false;

private:
    bool*& current_;
    bool* outer_;
};

bool IsPushButton(HWND control)
{
    const LRESULT code = ::SendMessageA(control, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

RECT CenteringArea(HWND window, HWND owner)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT area = monitor.rcWork;
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    return area;
}

LONG Clamp(LONG value, LONG low, LONG high)
{
    return value > high ? high : (value < low ? low : value);
}

}  // namespace

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    return hwnd;
}

std::string CWnd::GetWindowText() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

void CWnd::ModifyStyle(DWORD remove, DWORD add)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
}

void CWnd::CenterWindow()
{
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    const RECT area = CenteringArea(m_hWnd, owner);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor);

    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    const LONG x = (area.left + area.right - width) / 2;
    const LONG y = (area.top + area.bottom - height) / 2;
    // Keep the whole window, caption first, on the monitor.
    const RECT& work = monitor.rcWork;
    ::SetWindowPos(m_hWnd, nullptr, Clamp(x, work.left, work.right - width), Clamp(y, work.top, work.bottom - height),
                   0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    return ::MessageBoxA(m_hWnd, text.c_str(), caption.c_str(), type);
}

void CWnd::UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler)
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        CCmdUI ui(id, child);
        if (target->RunUpdateHandler(id, ui))
            continue;
        if (disableIfNoHandler && IsPushButton(child) && !target->HasCommandHandler(id))
            ui.Enable(FALSE);
    }
}

void CWnd::Default()
{
    if (m_defaultRequested)
        *m_defaultRequested = true;
}

bool CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const HWND hwnd = m_hWnd;
    DefaultRequestScope request(m_defaultRequested);
    try {
        if (!OnWndMsg(message, wParam, lParam, result))
            return false;
    } catch (...) {
        AfxReportEscapedException(hwnd);
        return false;
    }
    return !request.requested;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND)
        return RouteCommand(LOWORD(wParam), HIWORD(wParam), lParam, result);
    const MessageMapEntry* entry = FindEntry(MessageKind::Message, message, 0, 0);
    if (!entry)
        return false;
    result = entry->invoke(*this, wParam, lParam);
    return true;
}

bool CWnd::RouteCommand(UINT id, UINT code, LPARAM lParam, LRESULT& result)
{
    if (OnCmdMsg(id, code, lParam, result))
        return true;
    // Commands no window handles go on to the application object.
    CWinApp* app = AfxGetApp();
    return code == 0 && app && app->OnCmdMsg(id, code, lParam, result);
}
