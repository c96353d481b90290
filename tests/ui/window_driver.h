#pragma once
// Drives the windows of the user-interface thread from a second thread, the
// way a user would: clicks, keys and answers to message boxes, all through
// messages, so the dialogs run their own code paths.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dalvorn::test_support {

enum class BoxIcon { None, Stop, Question, Information, Warning, Other };

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::None;
    std::vector<int> buttons;  // IDOK, IDYES, IDNO, ... present in the box
    int defaultButton = 0;
};

class WindowDriver {
public:
    explicit WindowDriver(DWORD uiThread) : uiThread_(uiThread) {}

    // Polls `condition` until it holds; false after the time-out.
    static bool WaitUntil(const std::function<bool()>& condition);

    // The visible dialog-class window of the UI thread with that caption,
    // other than `earlier`, or nullptr when none appears in time.
    HWND WaitForWindow(const std::string& caption, HWND earlier = nullptr) const;
    HWND FindWindowByCaption(const std::string& caption, HWND earlier = nullptr) const;
    // True when no window with that caption is left, within the time-out.
    bool WaitUntilGone(const std::string& caption) const;

    // A message box with that caption other than `earlier` (which may still
    // be closing), read; window is nullptr when none appears in time.
    MessageBoxSeen WaitForMessageBox(const std::string& caption, HWND earlier = nullptr) const;
    static void Answer(const MessageBoxSeen& box, int button);

    // A click on the button, as the button itself reports it.
    static void Click(HWND dialog, int id);
    // `clicks` clicks of the left mouse button, in quick succession, on the
    // point of `window`'s client area, through the system's mouse input: the
    // window under that point gets them, as it would from the mouse.
    // Returns once the user-interface thread has taken the last of them from
    // its queue, and so has handled the clicks before it; false when that
    // does not happen in time.
    static bool MouseClickAt(HWND window, POINT point, int clicks = 1);
    // The same in the middle of the control.
    static bool MouseClick(HWND control, int clicks = 1);
    // Characters typed into the control, one WM_CHAR each.
    static void Type(HWND control, const std::string& text);
    static void PressKey(HWND control, UINT virtualKey);
    static std::string Text(HWND window);
    static bool IsEnabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
    // The control that has the keyboard focus in the UI thread.
    HWND Focus() const;

    // The tree's top-level items as "[x] label" or "[ ] label".
    static std::vector<std::string> TreeLines(HWND tree);
    // Toggles the check box of the item whose label starts with
    // `labelPrefix` with the space key, as a user would, and waits for it.
    static void ToggleTick(HWND tree, const std::string& labelPrefix);

    // Returns once the dialog's modal loop has fallen idle and run its idle
    // update (WM_KICKIDLE) after everything sent to it so far.
    void WaitForIdleUpdate(HWND dialog) const;

    // Ends every window the UI thread still shows, message boxes included.
    void DismissAll() const;

private:
    std::vector<HWND> DialogWindows() const;

    DWORD uiThread_;
};

// Watches the messages of one thread: counts the WM_KICKIDLE messages its
// windows receive and the left button releases it takes from its queue.
class ThreadMessageWatch {
public:
    explicit ThreadMessageWatch(DWORD thread);
    ~ThreadMessageWatch();
    ThreadMessageWatch(const ThreadMessageWatch&) = delete;
    ThreadMessageWatch& operator=(const ThreadMessageWatch&) = delete;

    static long IdleMessages();
    static long ButtonReleases();

private:
    HHOOK idleHook_;
    HHOOK buttonHook_;
};

// Runs `script` on a second thread while this thread runs `modal` (which
// shows the dialogs and returns when they are closed). Whatever the script
// leaves open is closed afterwards so `modal` always returns.
void RunWithDriver(const std::function<void()>& modal, const std::function<void(WindowDriver&)>& script);

}  // namespace dalvorn::test_support
