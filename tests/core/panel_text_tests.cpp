// Panels in the three encodings the simulator reads, from real files, naming
// gauges whose file names hold letters beyond ASCII in the other case.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

// The keys of "Ärger.gau" and "École.gau" in the platform's spelling of names.
#ifdef _WIN32
const char kAergerKey[] = "\xE4rger.gau";
const char kEcoleKey[] = "\xE9" "cole.gau";
#else
const char kAergerKey[] = "\xC3\xA4rger.gau";
const char kEcoleKey[] = "\xC3\xA9" "cole.gau";
#endif

std::string Utf16LeWithMark(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// A gauge file named in UTF-8, created under that name on either platform.
void AddGaugeNamedInUtf8(const test_support::SimulatorTree& tree, const std::string& utf8Name)
{
    std::ofstream(tree.HostPath("Gauges") / std::filesystem::u8path(utf8Name), std::ios::binary) << "gauge";
}

using PanelText = test_support::SimulatorFixture;

TEST_F(PanelText, EveryEncodingNamesGaugesInTheOtherLetterCase)
{
#ifdef _WIN32
    if (GetACP() != 1252)
        GTEST_SKIP() << "the panel's letters are spelt for Windows-1252, not code page " << GetACP();
#endif
    tree.AddGauge("Cessna.GAU");
    tree.AddGauge("unused.gau");
    AddGaugeNamedInUtf8(tree, "\xC3\x84rger.gau");
    AddGaugeNamedInUtf8(tree, "\xC3\x89" "cole.GAU");
    tree.AddPanel("ansi", "[Window00]\r\ngauge00=\xE4rger!Main,1,2\r\n gauge01= \xC9" "cole!Main, 1\r\n");
    tree.AddPanel("utf16", Utf16LeWithMark(u"gauge00=Cessna!Airspeed,1\r\n\tGauge01= \u00E9cole!Main, 1\r\n"));
    // The mark must not keep the first line from being a gauge line.
    tree.AddPanel("utf8", "\xEF\xBB\xBFgauge00=\xC3\xA4rger!Main,1,2\n");
    Scan();
    EXPECT_EQ(table.Size(), 4u);
    EXPECT_EQ(table.Users("cessna.gau"), "utf16");
    EXPECT_EQ(table.Users(kAergerKey), "ansi, utf8");
    EXPECT_EQ(table.Users(kEcoleKey), "ansi, utf16");
    EXPECT_EQ(table.Users("unused.gau"), "");
}

TEST_F(PanelText, ControlZEndsAUtf16Panel)
{
    tree.AddGauge("a.gau");
    tree.AddGauge("b.gau");
    // U+1A00 holds the byte 1A without being the end.
    tree.AddPanel("c172", Utf16LeWithMark(u"gauge00=a,\u1A00\r\n\x001A" u"gauge01=b,1\r\n"));
    Scan();
    EXPECT_EQ(table.Users("a.gau"), "c172");
    EXPECT_EQ(table.Users("b.gau"), "");
}

}  // namespace
}  // namespace dalvorn
