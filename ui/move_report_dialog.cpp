#include "move_report_dialog.h"

#include "donation_link.h"
#include "framework/data_exchange.h"

CMoveReportDialog::CMoveReportDialog(CWnd* parent, UINT templateId) : CDialog(templateId, parent) {}

const MessageMap* CMoveReportDialog::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand<IDC_DONATE, &CMoveReportDialog::OnDonate>(),
    };
    static const MessageMap map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CMoveReportDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TOTAL, m_total);
    DDX_Text(pDX, IDC_LEFT, m_left);
    DDX_Text(pDX, IDC_MOVED, m_moved);
    DDX_Text(pDX, IDC_DESTINATION, m_destination);
}

void CMoveReportDialog::OnDonate()
{
    OpenDonationPage(m_hWnd);
}
