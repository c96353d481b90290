#include <gtest/gtest.h>

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

TEST(RenderUsageTable, SortedWithUnusedTickedAndOldEntriesReplaced)
{
    GaugeUsageTable table;
    for (const char* key : {"zulu.gau", "alpha.gau", "mike.gau", "mike_2.gau", "mike.gau.gau"})
        table.ResetGauge(key);
    table.AddUser("mike.gau", "c172");
    MemoryGaugeList list;
    list.Append({"stale", ""});
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
        listed.push_back(list.Record(entry).key);
    EXPECT_EQ(listed, (std::vector<std::string>{keys[3], keys[1], keys[4], keys[0], keys[2]}));
}

}  // namespace
}  // namespace dalvorn
