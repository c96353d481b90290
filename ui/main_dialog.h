#pragma once
// The main dialog: the folder field, the gauge list and the commands Scan,
// Move Selected, Browse... and About....

#include <memory>

#include "core/file_system.h"
#include "core/gauge_usage_table.h"
#include "core/owner_window.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/tree_ctrl.h"
#include "tree_gauge_list.h"

class CMainDialog : public CDialog, private dalvorn::OwnerWindow {
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
    void OnKickIdle();
    void OnUpdateScan(CCmdUI* pCmdUI);
    void OnUpdateMoveSelected(CCmdUI* pCmdUI);

    void AddAboutToSystemMenu();
    void ProposeRegisteredFolder();
    void PaintIcon();

    // The owner window through which the scan and the move talk to the user.
    void ShowError(const std::string& text, const std::string& caption) override;
    void ShowInformation(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void BeginBusy() override;
    void EndBusy() override;
    void ShowMoveReport(const std::string& total, const std::string& left, const std::string& moved,
                        const std::string& destination) override;

    CEdit m_folder;
    CTreeCtrl m_gaugeTree;
    HICON m_hIcon;
    dalvorn::GaugeUsageTable m_usageTable;

    HICON m_hSmallIcon;
    TreeGaugeList m_gaugeList;
    std::unique_ptr<dalvorn::FileSystem> m_fileSystem;
};
