#include "win_app.h"

namespace {

CWinApp* theApplication = nullptr;

std::string ProgramFileTitle()
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : 0);
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

}  // namespace

CWinApp::CWinApp(const char* appName) : m_appName(appName ? appName : ProgramFileTitle())
{
    theApplication = this;
}

CWinApp::~CWinApp()
{
    if (theApplication == this)
        theApplication = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::DoWaitCursor(int code)
{
    HCURSOR wait = ::LoadCursor(nullptr, IDC_WAIT);
    if (code > 0) {
        HCURSOR previous = ::SetCursor(wait);
        if (m_waitCursorCount++ == 0)
            m_restoreCursor = previous;
    } else if (code < 0) {
        if (m_waitCursorCount > 0 && --m_waitCursorCount == 0)
            ::SetCursor(m_restoreCursor ? m_restoreCursor : ::LoadCursor(nullptr, IDC_ARROW));
    } else if (m_waitCursorCount > 0) {
        ::SetCursor(wait);
    }
}

CWinApp* AfxGetApp()
{
    return theApplication;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

std::string AfxGetAppName()
{
    return theApplication ? theApplication->AppName() : ProgramFileTitle();
}
