#include <gtest/gtest.h>

#include "core/gauge_list.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"

namespace dalvorn {
namespace {

std::vector<std::string> Labels(const GaugeList& list)
{
    std::vector<std::string> labels;
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
        labels.push_back((list.IsChecked(entry) ? "[x] " : "[ ] ") + list.Label(entry));
    return labels;
}

TEST(GaugeLabel, FormatAndKeyRoundTrip)
{
    EXPECT_EQ(FormatGaugeLabel("cessna.gau", ""), "cessna.gau (Used By: )");
    EXPECT_EQ(KeyFromLabel("my gauge.gau (Used By: )"), "my gauge.gau");
    EXPECT_EQ(KeyFromLabel(FormatGaugeLabel("a (b).gau", "x (Used By: y)")), "a (b).gau");
}

TEST(RenderUsageTable, SortedWithUnusedTickedAndOldEntriesReplaced)
{
    GaugeUsageTable table;
    for (const char* key : {"zulu.gau", "alpha.gau", "mike.gau"})
        table.ResetGauge(key);
    table.AddUser("mike.gau", "c172");
    MemoryGaugeList list;
    list.Append("stale (Used By: )");
    RenderUsageTable(table, list);
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"[x] alpha.gau (Used By: )", "[ ] mike.gau (Used By: c172)",
                                                      "[x] zulu.gau (Used By: )"}));
}

TEST(MemoryGaugeList, SortIgnoresCaseAndKeepsHandles)
{
    MemoryGaugeList list;
    GaugeList::Entry b = list.Append("B");
    list.Append("c");
    GaugeList::Entry a = list.Append("a");
    list.SortByLabel();
    EXPECT_EQ(list.First(), a);
    EXPECT_EQ(list.Next(a), b);
    list.Delete(a);
    EXPECT_EQ(list.First(), b);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Label(list.Next(b)), "c");
}

}  // namespace
}  // namespace dalvorn
