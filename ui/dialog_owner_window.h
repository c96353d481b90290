#pragma once
// The owner window of the core commands for a dialog: message boxes and
// reports owned by the dialog, the wait cursor of the application.

#include "core/owner_window.h"
#include "framework/wnd.h"

class DialogOwnerWindow : public dalvorn::OwnerWindow {
public:
    explicit DialogOwnerWindow(CWnd& dialog) : m_dialog(dialog) {}

    void ShowError(const std::string& text, const std::string& caption) override;
    void ShowInformation(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    bool AskWarningYesNo(const std::string& text, const std::string& caption) override;
    void BeginBusy() override;
    void EndBusy() override;
    void ShowMoveReport(const std::string& total, const std::string& left, const std::string& moved,
                        const std::string& destination) override;
    void ShowRestoreReport(const std::string& total, const std::string& left, const std::string& restored,
                           const std::string& destination) override;

private:
    CWnd& m_dialog;
};
