#pragma once
// The main dialog: the folder field, the gauge list and the commands Scan,
// Move Selected, Browse..., About... and Restore Gauges....

#include <memory>

#include "core/file_system.h"
#include "core/gauge_usage_table.h"
#include "core/listed_folder.h"
#include "dialog_owner_window.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/tree_ctrl.h"
#include "tree_gauge_list.h"

class CMainDialog : public CDialog {
public:
    CMainDialog();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnSysCommand(WPARAM command, LPARAM lParam);
    void OnPaint();
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OnBrowse();
    void OnScan();
    void OnMoveSelected();
    void OnAbout();
    void OnRestore();
    void OnKickIdle();
    void OnUpdateScan(CCmdUI* pCmdUI);
    void OnUpdateMoveSelected(CCmdUI* pCmdUI);

    void AddToSystemMenu();
    // Lists the gauges of the folder's unused folder; true when some came back.
    bool RunRestoreDialog(const std::string& folderText);
    void ScanFolder(const std::string& folderText);
    void ProposeRegisteredFolder();
    void PaintIcon();

    CEdit m_folder;
    CTreeCtrl m_gaugeTree;
    HICON m_hIcon;
    dalvorn::GaugeUsageTable m_usageTable;

    HICON m_hSmallIcon;
    TreeGaugeList m_gaugeList;
    std::unique_ptr<dalvorn::FileSystem> m_fileSystem;
    // Through it the commands talk to the user.
    DialogOwnerWindow m_owner;
    dalvorn::ListedFolder m_listedFolder;
};
