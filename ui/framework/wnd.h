#pragma once
// A window: its handle, the calls the dialogs make on it, and the dispatch
// of its messages through the message map.

#include <windows.h>

#include <string>

#include "cmd_target.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach();

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    HICON SetIcon(HICON icon, BOOL big);
    void ModifyStyle(DWORD remove, DWORD add);

    // Places the window over its owner, or in the middle of its monitor's
    // work area when it has no visible owner.
    void CenterWindow();

    // A modal message box owned by this window; gives the button pressed.
    int MessageBox(const std::string& text, const std::string& caption, UINT type);

    // Runs the update handler `target` has for each child control; with
    // `disableIfNoHandler`, buttons that nothing handles are disabled.
    void UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler);

    HWND m_hWnd = nullptr;

protected:
    // Asks for the window's default processing of the message being
    // handled, once the handler has returned.
    void Default();

    // Dispatches one message through the message map. Gives false when the
    // message is left to default processing: nothing handles it, the
    // handler asked for Default(), or an exception escaped the handler
    // (which is reported here and never leaves this function).
    bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool RouteCommand(UINT id, UINT code, LPARAM lParam, LRESULT& result);

    bool* m_defaultRequested = nullptr;
};
