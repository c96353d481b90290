#include <gtest/gtest.h>

#include <random>

#ifdef _WIN32
#include <windows.h>
#endif

#include "core/gauge_list.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "platform/native_file_system.h"
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
    for (const char* key : {"zulu.gau", "alpha.gau", "mike.gau", "mike_2.gau", "mike.gau.gau"})
        table.ResetGauge(key);
    table.AddUser("mike.gau", "c172");
    MemoryGaugeList list;
    list.Append("stale (Used By: )");
    RenderUsageTable(*CreateNativeFileSystem(), table, list);
    EXPECT_EQ(ListLines(list), (std::vector<std::string>{"[x] alpha.gau (Used By: )", "[ ] mike.gau (Used By: c172)",
                                                      "[x] mike.gau.gau (Used By: )", "[x] mike_2.gau (Used By: )",
                                                      "[x] zulu.gau (Used By: )"}));
}

// Keys beyond ASCII come in the order of their characters on every build,
// whatever bytes the platform spells them with (Windows-1252 puts "\x9A"
// for U+0161 before "\xE0" for U+00E0).
TEST(RenderUsageTable, OrderOfTheCharactersOnEveryBuild)
{
#ifdef _WIN32
    if (GetACP() != 1252)
        GTEST_SKIP() << "the keys are spelt for Windows-1252";
    const std::vector<std::string> keys = {"\x9A" "a.gau", "\xE0" "a.gau", "\x80.gau", "za.gau", "\xE9t\xE9.gau"};
#else
    const std::vector<std::string> keys = {"\xC5\xA1" "a.gau", "\xC3\xA0" "a.gau", "\xE2\x82\xAC.gau", "za.gau",
                                           "\xC3\xA9t\xC3\xA9.gau"};
#endif
    GaugeUsageTable table;
    for (const std::string& key : keys)
        table.ResetGauge(key);
    MemoryGaugeList list;
    RenderUsageTable(*CreateNativeFileSystem(), table, list);
    std::vector<std::string> listed;
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
        listed.push_back(KeyFromLabel(list.Label(entry)));
    EXPECT_EQ(listed, (std::vector<std::string>{keys[3], keys[1], keys[4], keys[0], keys[2]}));
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
    const auto fileSystem = CreateNativeFileSystem();
    for (int trial = 0; trial < 300; ++trial) {
        GaugeUsageTable table;
        for (int gauge = 0; gauge < 12; ++gauge) {
            const std::string key = text("ab.( _", 4) + (random() % 2 ? ".gau" : "");
            table.ResetGauge(key);
            table.AddUser(key, text("aAB, (_:)", 5));
        }
        MemoryGaugeList copied;
        MemoryGaugeList borrowed(MemoryGaugeList::Texts::Borrowed);
        RenderUsageTable(*fileSystem, table, copied);
        RenderUsageTable(*fileSystem, table, borrowed);
        ASSERT_EQ(test_support::ListLines(borrowed), test_support::ListLines(copied)) << "trial " << trial;
        table.ForEach([&](const std::string& key, const std::string&) {
            ASSERT_EQ(borrowed.Label(borrowed.FindByKey(key)), copied.Label(copied.FindByKey(key)));
        });
    }
}

}  // namespace
}  // namespace dalvorn
