#pragma once
// The program's start-up: prepares the run-time and runs the application
// object's InitInstance.

#include <windows.h>

// What the dialogs need from the process before the first window: the ANSI
// multibyte code page for text, the common controls, COM for the shell's
// folder browser. Undone when the scope ends.
class CFrameworkRuntime {
public:
    CFrameworkRuntime();
    ~CFrameworkRuntime();
    CFrameworkRuntime(const CFrameworkRuntime&) = delete;
    CFrameworkRuntime& operator=(const CFrameworkRuntime&) = delete;

private:
    bool m_comStarted;
};

// Called by WinMain; gives the program's exit code.
int AfxWinMain();
