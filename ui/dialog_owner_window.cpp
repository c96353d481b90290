#include "dialog_owner_window.h"

#include "framework/win_app.h"
#include "move_report_dialog.h"

namespace {

const UINT kErrorBoxType = MB_OK | MB_ICONSTOP;           // 16
const UINT kQuestionBoxType = MB_YESNO | MB_ICONQUESTION;  // 36
const UINT kInformationBoxType = MB_OK | MB_ICONINFORMATION;
const UINT kWarningBoxType = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

void ShowReport(CWnd& owner, UINT templateId, const std::string& total, const std::string& left,
                const std::string& done, const std::string& destination)
{
    CMoveReportDialog report(&owner, templateId);
    report.m_total = total;
    report.m_left = left;
    report.m_moved = done;
    report.m_destination = destination;
    report.DoModal();
}

}  // namespace

void DialogOwnerWindow::ShowError(const std::string& text, const std::string& caption)
{
    m_dialog.MessageBox(text, caption, kErrorBoxType);
}

void DialogOwnerWindow::ShowInformation(const std::string& text, const std::string& caption)
{
    m_dialog.MessageBox(text, caption, kInformationBoxType);
}

bool DialogOwnerWindow::AskYesNo(const std::string& text, const std::string& caption)
{
    return m_dialog.MessageBox(text, caption, kQuestionBoxType) != IDNO;
}

bool DialogOwnerWindow::AskWarningYesNo(const std::string& text, const std::string& caption)
{
    return m_dialog.MessageBox(text, caption, kWarningBoxType) == IDYES;
}

void DialogOwnerWindow::BeginBusy()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

void DialogOwnerWindow::EndBusy()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void DialogOwnerWindow::ShowMoveReport(const std::string& total, const std::string& left, const std::string& moved,
                                       const std::string& destination)
{
    ShowReport(m_dialog, IDD_MOVE_REPORT, total, left, moved, destination);
}

void DialogOwnerWindow::ShowRestoreReport(const std::string& total, const std::string& left,
                                          const std::string& restored, const std::string& destination)
{
    ShowReport(m_dialog, IDD_RESTORE_REPORT, total, left, restored, destination);
}
