#pragma once
// The donation image's click: the donation page opened in the user's web
// browser.

#include <windows.h>

// The shell call that opens a document or an address, shaped like
// ShellExecuteA.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                                LPCSTR directory, INT show);

// Asks the shell to open the donation page with its default action, owned
// by `owner`. Its result is not examined: when the shell cannot open the
// page there is nothing more the program could do.
void OpenDonationPage(HWND owner);

// Puts `execute` in place of ShellExecuteA and gives the call it replaces;
// lets the tests see what the program asks the shell for.
ShellExecuteFunction ReplaceShellExecute(ShellExecuteFunction execute);
