#pragma once
// The report after a completed move pass: how many gauges were found, moved
// and left, and the folder the moved ones went to; carries the donation
// image too.

#include <string>

#include "framework/dialog.h"

class CMoveReportDialog : public CDialog {
public:
    // Without a parent the application's main window owns the report.
    explicit CMoveReportDialog(CWnd* parent = nullptr);

    // Decimal counts, and the destination folder with its trailing
    // backslash; shown when the report opens.
    std::string m_total;
    std::string m_left;
    std::string m_moved;
    std::string m_destination;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnDonate();
};
