#include "tree_gauge_list.h"

void TreeGaugeList::Clear()
{
    m_tree.DeleteAllItems();
}

TreeGaugeList::Entry TreeGaugeList::Append(const std::string& label)
{
    return m_tree.InsertItem(TVIF_TEXT, label, 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
}

void TreeGaugeList::SetChecked(Entry entry)
{
    m_tree.SetCheck(Item(entry), TRUE);
}

std::size_t TreeGaugeList::Count() const
{
    return m_tree.GetCount();
}

TreeGaugeList::Entry TreeGaugeList::First() const
{
    return m_tree.GetRootItem();
}

TreeGaugeList::Entry TreeGaugeList::Next(Entry entry) const
{
    return m_tree.GetNextSiblingItem(Item(entry));
}

std::string TreeGaugeList::Label(Entry entry) const
{
    return m_tree.GetItemText(Item(entry));
}

bool TreeGaugeList::IsChecked(Entry entry) const
{
    return m_tree.GetCheck(Item(entry)) == 1;
}

void TreeGaugeList::Delete(Entry entry)
{
    m_tree.DeleteItem(Item(entry));
}

void TreeGaugeList::SuspendRedraw()
{
    m_tree.SendMessage(WM_SETREDRAW, FALSE);
}

void TreeGaugeList::ResumeRedraw()
{
    m_tree.SendMessage(WM_SETREDRAW, TRUE);
}
