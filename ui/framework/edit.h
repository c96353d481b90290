#pragma once
// An edit control.

#include "wnd.h"

class CEdit : public CWnd {
public:
    // The length of the line holding the character at `charIndex`; for a
    // single-line field index 0 gives the length of its whole text,
    // whatever is selected.
    int LineLength(int charIndex) const
    {
        return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(charIndex)));
    }
};
