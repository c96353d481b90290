#include "dalvorn_app.h"

#include "framework/framework_ids.h"
#include "main_dialog.h"

const MessageMap* CDalvornApp::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand<ID_HELP, &CWinApp::OnHelp>(),
    };
    static const MessageMap map(CWinApp::GetMessageMap(), entries);
    return &map;
}

BOOL CDalvornApp::InitInstance()
{
    CMainDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
