#pragma once
// The application object: exactly one exists; the start-up calls its
// InitInstance once.

#include <windows.h>

#include <string>

#include "cmd_target.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // Named after the program file when no name is given.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returning false ends the program.
    virtual BOOL InitInstance();
    // The program's exit code.
    virtual int ExitInstance();

    // 1 shows the busy cursor, -1 ends one such request (the cursor goes
    // back when the last is ended), 0 shows it again while requests last.
    void DoWaitCursor(int code);

    // The Help command. The program ships no help file, so there is
    // nothing to show.
    void OnHelp() {}

    const std::string& AppName() const { return m_appName; }

    CWnd* m_pMainWnd = nullptr;

private:
    std::string m_appName;
    int m_waitCursorCount = 0;
    HCURSOR m_restoreCursor = nullptr;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The application's name, for captions of the framework's own messages.
std::string AfxGetAppName();
