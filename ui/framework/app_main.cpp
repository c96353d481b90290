#include "app_main.h"

#include <commctrl.h>
#include <mbctype.h>
#include <objbase.h>

#include "exception_report.h"
#include "win_app.h"

CFrameworkRuntime::CFrameworkRuntime()
{
    _setmbcp(_MB_CP_ANSI);
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);
    m_comStarted = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

CFrameworkRuntime::~CFrameworkRuntime()
{
    if (m_comStarted)
        ::CoUninitialize();
}

int AfxWinMain()
{
    CFrameworkRuntime runtime;
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    try {
        // A dialog-based program does all its work inside InitInstance and
        // returns false; no message loop of the framework's own follows.
        app->InitInstance();
        return app->ExitInstance();
    } catch (...) {
        AfxReportEscapedException(nullptr);
        return -1;
    }
}
