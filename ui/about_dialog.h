#pragma once
// The About box: the program's name and version, the credits and the
// donation image.

#include "framework/dialog.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();

protected:
    const MessageMap* GetMessageMap() const override;

private:
    void OnDonate();
};
