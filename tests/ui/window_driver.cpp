#include "window_driver.h"

#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "framework/framework_ids.h"

namespace dalvorn::test_support {

namespace {

const auto kTimeout = std::chrono::seconds(30);
const auto kPollInterval = std::chrono::milliseconds(10);
const int kMessageBoxTextId = 0xFFFF;

std::atomic<long> idleMessages{0};
std::atomic<long> buttonReleases{0};

LRESULT CALLBACK CountIdleMessages(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_KICKIDLE)
        ++idleMessages;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CountButtonReleases(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && reinterpret_cast<const MSG*>(lParam)->message == WM_LBUTTONUP)
        ++buttonReleases;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string ClassName(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM found)
{
    if (ClassName(window) == "#32770" && ::IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

BoxIcon IconOf(HWND box)
{
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) != "Static" || (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const auto icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        if (icon == ::LoadIcon(nullptr, IDI_HAND))
            return BoxIcon::Stop;
        if (icon == ::LoadIcon(nullptr, IDI_QUESTION))
            return BoxIcon::Question;
        if (icon == ::LoadIcon(nullptr, IDI_ASTERISK))
            return BoxIcon::Information;
        if (icon == ::LoadIcon(nullptr, IDI_EXCLAMATION))
            return BoxIcon::Warning;
        return BoxIcon::Other;
    }
    return BoxIcon::None;
}

std::string TreeItemText(HWND tree, HTREEITEM item)
{
    char text[4096] = {};
    TVITEMA query = {};
    query.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_STATE;
    query.hItem = item;
    query.stateMask = TVIS_STATEIMAGEMASK;
    query.pszText = text;
    query.cchTextMax = sizeof(text);
    ::SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
    const bool ticked = (query.state >> 12) == 2;
    return std::string(ticked ? "[x] " : "[ ] ") + text;
}

}  // namespace

bool WindowDriver::WaitUntil(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

std::vector<HWND> WindowDriver::DialogWindows() const
{
    std::vector<HWND> found;
    ::EnumThreadWindows(uiThread_, &CollectDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND WindowDriver::FindWindowByCaption(const std::string& caption, HWND earlier) const
{
    for (HWND window : DialogWindows()) {
        if (window != earlier && Text(window) == caption)
            return window;
    }
    return nullptr;
}

HWND WindowDriver::WaitForWindow(const std::string& caption, HWND earlier) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowByCaption(caption, earlier)) != nullptr; });
    return found;
}

bool WindowDriver::WaitUntilGone(const std::string& caption) const
{
    return WaitUntil([&] { return FindWindowByCaption(caption) == nullptr; });
}

MessageBoxSeen WindowDriver::WaitForMessageBox(const std::string& caption, HWND earlier) const
{
    MessageBoxSeen box;
    box.window = WaitForWindow(caption, earlier);
    if (!box.window)
        return box;
    box.caption = caption;
    box.text = Text(::GetDlgItem(box.window, kMessageBoxTextId));
    box.icon = IconOf(box.window);
    for (int button : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        HWND control = ::GetDlgItem(box.window, button);
        if (!control)
            continue;
        box.buttons.push_back(button);
        if ((::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            box.defaultButton = button;
    }
    return box;
}

void WindowDriver::Answer(const MessageBoxSeen& box, int button)
{
    Click(box.window, button);
}

void WindowDriver::Click(HWND dialog, int id)
{
    ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool WindowDriver::MouseClickAt(HWND window, POINT point, int clicks)
{
    const long releasesBefore = ThreadMessageWatch::ButtonReleases();
    ::ClientToScreen(window, &point);
    // Every event carries its place, in the 0 to 65535 units of the primary
    // screen, so no pointer motion still on its way can move a click.
    const LONG width = ::GetSystemMetrics(SM_CXSCREEN);
    const LONG height = ::GetSystemMetrics(SM_CYSCREEN);
    const LONG x = (point.x * 65536 + width - 1) / width;
    const LONG y = (point.y * 65536 + height - 1) / height;
    std::vector<INPUT> inputs;
    for (int i = 0; i < clicks; ++i) {
        for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dx = x;
            input.mi.dy = y;
            input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
            inputs.push_back(input);
        }
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return WaitUntil([&] { return ThreadMessageWatch::ButtonReleases() >= releasesBefore + clicks; });
}

bool WindowDriver::MouseClick(HWND control, int clicks)
{
    RECT client;
    ::GetClientRect(control, &client);
    return MouseClickAt(control, {client.right / 2, client.bottom / 2}, clicks);
}

void WindowDriver::Type(HWND control, const std::string& text)
{
    for (char c : text)
        ::PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void WindowDriver::PressKey(HWND control, UINT virtualKey)
{
    ::PostMessageA(control, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(control, WM_KEYUP, virtualKey, 0xC0000001);
}

std::string WindowDriver::Text(HWND window)
{
    char text[4096] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

HWND WindowDriver::Focus() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(uiThread_, &info);
    return info.hwndFocus;
}

std::vector<std::string> WindowDriver::TreeLines(HWND tree)
{
    std::vector<std::string> lines;
    auto item = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
        lines.push_back(TreeItemText(tree, item));
    return lines;
}

void WindowDriver::ToggleTick(HWND tree, const std::string& labelPrefix)
{
    auto item = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        if (TreeItemText(tree, item).compare(4, labelPrefix.size(), labelPrefix) == 0)
            break;
    }
    if (!item)
        return;
    const std::string before = TreeItemText(tree, item);
    ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    PressKey(tree, VK_SPACE);
    // The key is posted: wait for it, so a later selection cannot overtake it.
    WaitUntil([&] { return TreeItemText(tree, item) != before; });
}

void WindowDriver::WaitForIdleUpdate(HWND dialog) const
{
    // An idle message counted after this point was sent when the queue had
    // run empty, that is after everything posted before; the sent WM_NULL
    // then returns only once that idle update has finished.
    const long before = ThreadMessageWatch::IdleMessages();
    ::PostMessageA(dialog, WM_NULL, 0, 0);
    WaitUntil([before] { return ThreadMessageWatch::IdleMessages() > before; });
    ::SendMessageA(dialog, WM_NULL, 0, 0);
}

void WindowDriver::DismissAll() const
{
    WaitUntil([this] {
        const std::vector<HWND> windows = DialogWindows();
        for (HWND window : windows) {
            for (int button : {IDCANCEL, IDNO, IDOK})
                ::PostMessageA(window, WM_COMMAND, button, 0);
        }
        return windows.empty();
    });
}

ThreadMessageWatch::ThreadMessageWatch(DWORD thread)
    : idleHook_(::SetWindowsHookExA(WH_CALLWNDPROC, &CountIdleMessages, nullptr, thread)),
      buttonHook_(::SetWindowsHookExA(WH_GETMESSAGE, &CountButtonReleases, nullptr, thread))
{
}

ThreadMessageWatch::~ThreadMessageWatch()
{
    if (idleHook_)
        ::UnhookWindowsHookEx(idleHook_);
    if (buttonHook_)
        ::UnhookWindowsHookEx(buttonHook_);
}

long ThreadMessageWatch::IdleMessages()
{
    return idleMessages;
}

long ThreadMessageWatch::ButtonReleases()
{
    return buttonReleases;
}

void RunWithDriver(const std::function<void()>& modal, const std::function<void(WindowDriver&)>& script)
{
    WindowDriver driver(::GetCurrentThreadId());
    const ThreadMessageWatch watch(::GetCurrentThreadId());
    std::thread scriptThread([&] {
        script(driver);
        driver.DismissAll();
    });
    modal();
    scriptThread.join();
}

}  // namespace dalvorn::test_support
