#include "restore_dialog.h"

#include "core/gauge_list.h"
#include "core/gauge_restorer.h"
#include "framework/cmd_ui.h"
#include "framework/data_exchange.h"
#include "framework/framework_ids.h"
#include "resource.h"

CRestoreDialog::CRestoreDialog(dalvorn::FileSystem& fileSystem, const std::string& folderText,
                               const dalvorn::GaugeUsageTable& usage, CWnd* parent)
    : CDialog(IDD_RESTORE_GAUGES, parent),
      m_fileSystem(fileSystem),
      m_folderText(folderText),
      m_usage(usage),
      m_gaugeList(m_gaugeTree),
      m_owner(*this)
{
}

const MessageMap* CRestoreDialog::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand<IDC_RESTORE_SELECTED, &CRestoreDialog::OnRestoreSelected>(),
        OnMessage<WM_KICKIDLE, &CRestoreDialog::OnKickIdle>(),
        OnUpdateCommand<IDC_RESTORE_SELECTED, &CRestoreDialog::OnUpdateRestoreSelected>(),
    };
    static const MessageMap map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CRestoreDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESTORE_TREE, m_gaugeTree);
}

BOOL CRestoreDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // As in the main dialog: set before anything is listed, so that no
    // early tick is lost.
    m_gaugeTree.ModifyStyle(0, TVS_CHECKBOXES);
    dalvorn::RenderUsageTable(m_fileSystem, m_usage, m_gaugeList, dalvorn::TickedGauges::Used);
    return TRUE;
}

void CRestoreDialog::OnRestoreSelected()
{
    m_restored += dalvorn::RestoreSelectedGauges(m_fileSystem, m_owner, m_folderText, m_gaugeList);
}

void CRestoreDialog::OnKickIdle()
{
    UpdateDialogControls(this, FALSE);
}

void CRestoreDialog::OnUpdateRestoreSelected(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(dalvorn::HasTickedEntry(m_gaugeList));
}
