#include <gtest/gtest.h>

#include <random>

#include "core/gauge_list.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "support/gauge_list_text.h"

namespace dalvorn {
namespace {

using test_support::ListLines;

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
    EXPECT_EQ(ListLines(list), (std::vector<std::string>{"[x] alpha.gau (Used By: )", "[ ] mike.gau (Used By: c172)",
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

// Keys that are prefixes of one another and user lists that decide the order
// where the keys do not, over bytes on both sides of the letters.
TEST(MemoryGaugeList, BorrowedTextsListAndSortAsCopiedLabels)
{
    std::mt19937 random(5);
    auto text = [&random](const std::string& alphabet, std::size_t longest) {
        std::string result;
        for (std::size_t length = random() % (longest + 1); length > 0; --length)
            result += alphabet[random() % alphabet.size()];
        return result;
    };
    for (int trial = 0; trial < 300; ++trial) {
        GaugeUsageTable table;
        for (int gauge = 0; gauge < 12; ++gauge) {
            const std::string key = text("ab.( _", 4) + (random() % 2 ? ".gau" : "");
            table.ResetGauge(key);
            table.AddUser(key, text("aAB, (_:)", 5));
        }
        MemoryGaugeList copied;
        MemoryGaugeList borrowed(MemoryGaugeList::Texts::Borrowed);
        RenderUsageTable(table, copied);
        RenderUsageTable(table, borrowed);
        ASSERT_EQ(test_support::ListLines(borrowed), test_support::ListLines(copied)) << "trial " << trial;
        table.ForEach([&](const std::string& key, const std::string&) {
            ASSERT_EQ(borrowed.Label(borrowed.FindByKey(key)), copied.Label(copied.FindByKey(key)));
        });
    }
}

}  // namespace
}  // namespace dalvorn
