#include "about_dialog.h"

#include "donation_link.h"
#include "resource.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

const MessageMap* CAboutDialog::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand<IDC_DONATE, &CAboutDialog::OnDonate>(),
    };
    static const MessageMap map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CAboutDialog::OnDonate()
{
    OpenDonationPage(m_hWnd);
}
