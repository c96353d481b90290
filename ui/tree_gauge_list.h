#pragma once
// The gauge list over the main dialog's tree control: one top-level item
// per entry, the tick in the item's check box.

#include "core/gauge_list.h"
#include "framework/tree_ctrl.h"

class TreeGaugeList : public dalvorn::GaugeList {
public:
    explicit TreeGaugeList(CTreeCtrl& tree) : m_tree(tree) {}

    void Clear() override;
    Entry Append(const std::string& label) override;
    void SetChecked(Entry entry) override;
    std::size_t Count() const override;
    Entry First() const override;
    Entry Next(Entry entry) const override;
    std::string Label(Entry entry) const override;
    bool IsChecked(Entry entry) const override;
    void Delete(Entry entry) override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;

private:
    static HTREEITEM Item(Entry entry) { return static_cast<HTREEITEM>(entry); }

    CTreeCtrl& m_tree;
};
