#pragma once
// The report after a completed move pass: how many gauges were found, moved
// and left, and the folder the moved ones went to; carries the donation
// image too. The restore pass shows the same report from its own template.

#include <string>

#include "framework/dialog.h"
#include "resource.h"

class CMoveReportDialog : public CDialog {
public:
    // Without a parent the application's main window owns the report.
    explicit CMoveReportDialog(CWnd* parent = nullptr, UINT templateId = IDD_MOVE_REPORT);

    // Decimal counts, and the destination folder with its trailing
    // backslash; shown when the report opens.
    std::string m_total;
    std::string m_left;
    std::string m_moved;  // or restored
    std::string m_destination;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnDonate();
};
