#pragma once

#include "framework/win_app.h"

// The application: runs the main dialog and ends when it closes.
class CDalvornApp : public CWinApp {
public:
    CDalvornApp() = default;

    // Shows the main dialog modally; always false, so the program ends
    // when the dialog closes.
    BOOL InitInstance() override;

protected:
    const MessageMap* GetMessageMap() const override;
};
