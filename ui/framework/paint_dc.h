#pragma once
// Painting of a window, from BeginPaint to EndPaint.

#include <windows.h>

class CPaintDC {
public:
    explicit CPaintDC(HWND window) : m_window(window) { m_hDC = ::BeginPaint(window, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_window, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps;
    HDC m_hDC;

private:
    HWND m_window;
};
