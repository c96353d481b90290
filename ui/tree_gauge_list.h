#pragma once
// The gauge list over a dialog's tree control: one top-level item per
// entry, labelled from the entry's record, the tick in the item's check box.

#include <unordered_map>

#include "core/gauge_list.h"
#include "framework/tree_ctrl.h"

class TreeGaugeList : public dalvorn::GaugeList {
public:
    explicit TreeGaugeList(CTreeCtrl& tree) : m_tree(tree) {}

    void Clear() override;
    Entry Append(const dalvorn::GaugeRecord& record) override;
    void SetChecked(Entry entry, bool checked) override { m_tree.SetCheck(Item(entry), checked); }
    std::size_t Count() const override { return m_tree.GetCount(); }
    Entry First() const override { return m_tree.GetRootItem(); }
    Entry Next(Entry entry) const override { return m_tree.GetNextSiblingItem(Item(entry)); }
    const dalvorn::GaugeRecord& Record(Entry entry) const override { return m_records.at(Item(entry)); }
    bool IsChecked(Entry entry) const override { return m_tree.GetCheck(Item(entry)) == 1; }
    void Delete(Entry entry) override;
    void SuspendRedraw() override { m_tree.SendMessage(WM_SETREDRAW, FALSE); }
    void ResumeRedraw() override { m_tree.SendMessage(WM_SETREDRAW, TRUE); }

private:
    static HTREEITEM Item(Entry entry) { return static_cast<HTREEITEM>(entry); }

    CTreeCtrl& m_tree;
    std::unordered_map<HTREEITEM, dalvorn::GaugeRecord> m_records;
};
