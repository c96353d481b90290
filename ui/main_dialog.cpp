#include "main_dialog.h"

#include "about_dialog.h"
#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_restorer.h"
#include "core/messages.h"
#include "folder_browser.h"
#include "framework/cmd_ui.h"
#include "framework/data_exchange.h"
#include "framework/framework_ids.h"
#include "framework/paint_dc.h"
#include "framework/win_app.h"
#include "platform/native_file_system.h"
#include "platform/registered_simulator_folder.h"
#include "resource.h"
#include "restore_dialog.h"

namespace {

const char kBrowseTitle[] = "Look for FS2002 Main Folder:";

HICON LoadApplicationIcon(int widthMetric, int heightMetric)
{
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                           ::GetSystemMetrics(widthMetric), ::GetSystemMetrics(heightMetric),
                                           LR_SHARED));
}

std::string LoadResourceString(UINT id)
{
    char text[256] = {};
    const int length = ::LoadStringA(AfxGetInstanceHandle(), id, text, sizeof(text));
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

CMainDialog::CMainDialog()
    : CDialog(IDD_DALVORN_DIALOG),
      m_hIcon(LoadApplicationIcon(SM_CXICON, SM_CYICON)),
      m_hSmallIcon(LoadApplicationIcon(SM_CXSMICON, SM_CYSMICON)),
      m_gaugeList(m_gaugeTree),
      m_fileSystem(dalvorn::CreateNativeFileSystem()),
      m_owner(*this)
{
}

const MessageMap* CMainDialog::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnMessage<WM_SYSCOMMAND, &CMainDialog::OnSysCommand>(),
        OnMessage<WM_PAINT, &CMainDialog::OnPaint>(),
        OnMessage<WM_QUERYDRAGICON, &CMainDialog::OnQueryDragIcon>(),
        OnCommand<IDC_BROWSE, &CMainDialog::OnBrowse>(),
        OnCommand<IDC_SCAN, &CMainDialog::OnScan>(),
        OnCommand<IDC_MOVE_SELECTED, &CMainDialog::OnMoveSelected>(),
        OnCommand<ID_APP_ABOUT, &CMainDialog::OnAbout>(),
        OnMessage<WM_KICKIDLE, &CMainDialog::OnKickIdle>(),
        OnUpdateCommand<IDC_SCAN, &CMainDialog::OnUpdateScan>(),
        OnUpdateCommand<IDC_MOVE_SELECTED, &CMainDialog::OnUpdateMoveSelected>(),
    };
    static const MessageMap map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CMainDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FOLDER, m_folder);
    DDX_Control(pDX, IDC_GAUGE_TREE, m_gaugeTree);
}

BOOL CMainDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Set here, before anything is put into the list, and not in the
    // template: ticks set while the control is still building its check box
    // images could otherwise be lost.
    m_gaugeTree.ModifyStyle(0, TVS_CHECKBOXES);
    AddToSystemMenu();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hSmallIcon, FALSE);
    ProposeRegisteredFolder();
    return TRUE;
}

void CMainDialog::AddToSystemMenu()
{
    HMENU systemMenu = GetSystemMenu(FALSE);
    if (!systemMenu)
        return;
    const std::string aboutText = LoadResourceString(IDS_ABOUTBOX);
    if (aboutText.empty())
        return;
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
    ::AppendMenuA(systemMenu, MF_STRING, IDM_RESTORE, LoadResourceString(IDS_RESTORE).c_str());
}

void CMainDialog::ProposeRegisteredFolder()
{
    if (const auto folder = dalvorn::FindRegisteredSimulatorFolder())
        m_folder.SetWindowText(*folder);
}

LRESULT CMainDialog::OnSysCommand(WPARAM command, LPARAM)
{
    if ((command & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else if ((command & 0xFFF0) == IDM_RESTORE)
        OnRestore();
    else
        Default();
    return 0;
}

void CMainDialog::OnPaint()
{
    if (IsIconic())
        PaintIcon();
    else
        Default();
}

void CMainDialog::PaintIcon()
{
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc.m_hDC, x, y, m_hIcon);
}

LRESULT CMainDialog::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

void CMainDialog::OnBrowse()
{
    if (const auto folder = BrowseForFolder(m_hWnd, kBrowseTitle))
        m_folder.SetWindowText(*folder);
}

void CMainDialog::OnScan()
{
    ScanFolder(m_folder.GetWindowText());
}

void CMainDialog::ScanFolder(const std::string& folderText)
{
    if (dalvorn::ScanSimulatorFolder(*m_fileSystem, m_owner, folderText, m_usageTable, m_gaugeList))
        m_listedFolder.Set(folderText);
}

void CMainDialog::OnMoveSelected()
{
    if (const auto folder = m_listedFolder.FolderFor(*m_fileSystem, m_owner, m_folder.GetWindowText(),
                                                     dalvorn::kRemoveCaption, "moving"))
        dalvorn::MoveSelectedGauges(*m_fileSystem, m_owner, *folder, m_usageTable, m_gaugeList);
}

void CMainDialog::OnRestore()
{
    if (const auto folder = m_listedFolder.FolderFor(*m_fileSystem, m_owner, m_folder.GetWindowText(),
                                                     dalvorn::kRestoreCaption, "restoring"))
        if (RunRestoreDialog(*folder))
            ScanFolder(*folder);
}

bool CMainDialog::RunRestoreDialog(const std::string& folderText)
{
    dalvorn::GaugeUsageTable unusedGauges;
    if (!dalvorn::ScanUnusedGauges(*m_fileSystem, m_owner, folderText, unusedGauges))
        return false;
    CRestoreDialog restore(*m_fileSystem, folderText, unusedGauges, this);
    restore.DoModal();
    return restore.RestoredAny();
}

void CMainDialog::OnAbout()
{
    CAboutDialog about;
    about.DoModal();
}

void CMainDialog::OnKickIdle()
{
    UpdateDialogControls(this, FALSE);
}

void CMainDialog::OnUpdateScan(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_folder.LineLength(0) > 0);
}

void CMainDialog::OnUpdateMoveSelected(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_gaugeTree.GetCount() != 0);
}
