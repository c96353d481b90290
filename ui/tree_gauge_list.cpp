#include "tree_gauge_list.h"

void TreeGaugeList::Clear()
{
    m_tree.DeleteAllItems();
    m_records.clear();
}

TreeGaugeList::Entry TreeGaugeList::Append(const dalvorn::GaugeRecord& record)
{
    const HTREEITEM item =
        m_tree.InsertItem(TVIF_TEXT, dalvorn::FormatGaugeLabel(record), 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
    if (item)
        m_records.emplace(item, record);
    return item;
}

void TreeGaugeList::Delete(Entry entry)
{
    m_tree.DeleteItem(Item(entry));
    m_records.erase(Item(entry));
}
