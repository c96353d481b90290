#pragma once
// Restore Gauges: the gauges in gauges\unused with the aircraft that use
// them, ticked when some panel does, and the command that moves the ticked
// ones back.

#include <string>

#include "core/file_system.h"
#include "core/gauge_usage_table.h"
#include "dialog_owner_window.h"
#include "framework/dialog.h"
#include "framework/tree_ctrl.h"
#include "tree_gauge_list.h"

class CRestoreDialog : public CDialog {
public:
    // `usage` holds the gauges of the unused folder of `folderText` and
    // their users; it is listed when the dialog opens.
    CRestoreDialog(dalvorn::FileSystem& fileSystem, const std::string& folderText,
                   const dalvorn::GaugeUsageTable& usage, CWnd* parent);

    bool RestoredAny() const { return m_restored != 0; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnRestoreSelected();
    void OnKickIdle();
    void OnUpdateRestoreSelected(CCmdUI* pCmdUI);

    dalvorn::FileSystem& m_fileSystem;
    std::string m_folderText;
    const dalvorn::GaugeUsageTable& m_usage;
    CTreeCtrl m_gaugeTree;
    TreeGaugeList m_gaugeList;
    DialogOwnerWindow m_owner;
    std::size_t m_restored = 0;
};
