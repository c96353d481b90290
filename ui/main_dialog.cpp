#include "main_dialog.h"

#include "about_dialog.h"
#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "folder_browser.h"
#include "framework/cmd_ui.h"
#include "framework/data_exchange.h"
#include "framework/framework_ids.h"
#include "framework/paint_dc.h"
#include "framework/win_app.h"
#include "move_report_dialog.h"
#include "platform/native_file_system.h"
#include "platform/registered_simulator_folder.h"
#include "resource.h"

namespace {

const char kBrowseTitle[] = "Look for FS2002 Main Folder:";
const UINT kErrorBoxType = MB_OK | MB_ICONSTOP;           // 16
const UINT kQuestionBoxType = MB_YESNO | MB_ICONQUESTION;  // 36
const UINT kInformationBoxType = MB_OK | MB_ICONINFORMATION;

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
      m_fileSystem(dalvorn::CreateNativeFileSystem())
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
    AddAboutToSystemMenu();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hSmallIcon, FALSE);
    ProposeRegisteredFolder();
    return TRUE;
}

void CMainDialog::AddAboutToSystemMenu()
{
    HMENU systemMenu = GetSystemMenu(FALSE);
    if (!systemMenu)
        return;
    const std::string aboutText = LoadResourceString(IDS_ABOUTBOX);
    if (aboutText.empty())
        return;
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
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
    dalvorn::ScanSimulatorFolder(*m_fileSystem, *this, m_folder.GetWindowText(), m_usageTable, m_gaugeList);
}

void CMainDialog::OnMoveSelected()
{
    dalvorn::MoveSelectedGauges(*m_fileSystem, *this, m_folder.GetWindowText(), m_usageTable, m_gaugeList);
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

void CMainDialog::ShowError(const std::string& text, const std::string& caption)
{
    MessageBox(text, caption, kErrorBoxType);
}

void CMainDialog::ShowInformation(const std::string& text, const std::string& caption)
{
    MessageBox(text, caption, kInformationBoxType);
}

bool CMainDialog::AskYesNo(const std::string& text, const std::string& caption)
{
    return MessageBox(text, caption, kQuestionBoxType) != IDNO;
}

void CMainDialog::BeginBusy()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

void CMainDialog::EndBusy()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void CMainDialog::ShowMoveReport(const std::string& total, const std::string& left, const std::string& moved,
                                 const std::string& destination)
{
    CMoveReportDialog report;
    report.m_total = total;
    report.m_left = left;
    report.m_moved = moved;
    report.m_destination = destination;
    report.DoModal();
}
