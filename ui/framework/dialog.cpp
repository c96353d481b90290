#include "dialog.h"

#include "data_exchange.h"
#include "framework_ids.h"
#include "win_app.h"

namespace {

const UINT kSystemTimer = 0x0118;  // drives the caret blink

// Tells which messages mean the user did something, after which the idle
// update runs again; repeated mouse moves to the same place and the timers
// and paints that come by themselves do not count.
class IdleDetector {
public:
    bool IsIdleMessage(const MSG& message)
    {
        if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
            const bool same = message.message == lastMouseMessage_ && message.pt.x == lastMousePoint_.x &&
                              message.pt.y == lastMousePoint_.y;
            lastMouseMessage_ = message.message;
            lastMousePoint_ = message.pt;
            return !same;
        }
        return message.message != WM_PAINT && message.message != kSystemTimer;
    }

private:
    UINT lastMouseMessage_ = 0;
    POINT lastMousePoint_ = {-1, -1};
};

// Messages whose result a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

const MessageMap* CDialog::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnMessage<WM_INITDIALOG, &CDialog::HandleInitDialog>(),
        OnCommand<IDOK, &CDialog::OnOK>(),
        OnCommand<IDCANCEL, &CDialog::OnCancel>(),
    };
    static const MessageMap map(CWnd::GetMessageMap(), entries);
    return &map;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = ModalOwner();
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner)
        ::EnableWindow(owner, FALSE);

    m_modalResult = -1;
    m_modalEnded = false;
    HWND created = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_templateId), owner,
                                        &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!created) {
        if (disableOwner)
            ::EnableWindow(owner, TRUE);
        return -1;
    }
    if (!m_modalEnded && !::IsWindowVisible(created))
        ::ShowWindow(created, SW_SHOWNORMAL);
    RunModalLoop();
    DestroyAfterModalLoop(owner, disableOwner);
    return m_modalResult;
}

HWND CDialog::ModalOwner() const
{
    if (m_pParentWnd)
        return m_pParentWnd->GetSafeHwnd();
    const CWinApp* app = AfxGetApp();
    if (!app || !app->m_pMainWnd || app->m_pMainWnd == this)
        return nullptr;
    return app->m_pMainWnd->GetSafeHwnd();
}

void CDialog::RunModalLoop()
{
    IdleDetector idleDetector;
    bool idle = true;
    MSG message;
    while (!m_modalEnded && m_hWnd) {
        if (idle && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            ::SendMessageA(m_hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, 0);
            idle = false;
            continue;
        }
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) {
            m_modalResult = -1;
            break;
        }
        if (got == 0) {
            // WM_QUIT ends this loop and every loop around it.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            m_modalResult = -1;
            break;
        }
        if (!::IsDialogMessageA(m_hWnd, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (idleDetector.IsIdleMessage(message))
            idle = true;
    }
}

void CDialog::DestroyAfterModalLoop(HWND owner, bool enableOwner)
{
    if (m_hWnd) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (enableOwner)
        ::EnableWindow(owner, TRUE);
    if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void CDialog::EndDialog(int result)
{
    m_modalResult = result;
    m_modalEnded = true;
    // Wakes the modal loop when this was called from a message sent by
    // another thread, which the loop's GetMessage does not return for.
    if (m_hWnd)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    CenterWindow();
    return OnInitDialog();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        // The creation parameter is the dialog object; from here on the
        // window's user data leads to it.
        reinterpret_cast<CDialog*>(lParam)->Attach(hwnd);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!dialog)
        return FALSE;
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        dialog->Detach();
        return FALSE;
    }
    return dialog->HandleDialogMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hwnd = m_hWnd;
    LRESULT result = 0;
    if (!DispatchToMap(message, wParam, lParam, result))
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
