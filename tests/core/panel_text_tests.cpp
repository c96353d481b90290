// Panels in the three encodings the simulator reads, from real files, naming
// gauges whose file names hold letters beyond ASCII in the other case.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

#include "core/text_encoding.h"
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

std::string Utf16WithMark(const std::u16string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Utf16LeWithMark(const std::u16string& text)
{
    return Utf16WithMark(text, false);
}

std::string Utf8(const std::u16string& text)
{
    std::string utf8;
    for (const char16_t unit : text)
        AppendUtf8(unit, utf8);
    return utf8;
}

bool CodePageIsNot1252()
{
#ifdef _WIN32
    return GetACP() != 1252;
#else
    return false;
#endif
}

// A gauge file named in UTF-8, created under that name on either platform.
void AddGaugeNamedInUtf8(const test_support::SimulatorTree& tree, const std::string& utf8Name)
{
    std::ofstream(tree.HostPath("Gauges") / std::filesystem::u8path(utf8Name), std::ios::binary) << "gauge";
}

using PanelText = test_support::SimulatorFixture;

TEST_F(PanelText, EveryEncodingNamesGaugesInTheOtherLetterCase)
{
    if (CodePageIsNot1252())
        GTEST_SKIP() << "the panel's letters are spelt for Windows-1252";
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

// Unicode panels name gauges as the simulator's ANSI file calls spell them:
// each character Windows-1252 lacks becomes its best fit. Every build reads
// these names alike, from panels in each Unicode encoding.
TEST_F(PanelText, UnicodeNamesAreSpeltWithWindowsBestFit)
{
    if (CodePageIsNot1252())
        GTEST_SKIP() << "the best fit is Windows-1252's";
    const struct {
        std::u16string panelName;
        const char* gaugeFile;
    } cases[] = {
        {u"Wska\u017Anik", "Wskaznik.gau"}, {u"Pr\u016Fb\u011Bh", "prubeh.GAU"}, {u"\u0100lpha", "alpha.gau"},
        {u"\uFF21ir", "AIR.gau"},           {u"\u0131nk", "ink.gau"},           {u"\u0130nd", "Ind.gau"},
    };
    std::u16string panel = u"[Window00]\r\n";
    for (const auto& c : cases) {
        tree.AddGauge(c.gaugeFile);
        panel += u"gauge00=" + c.panelName + u"!Main,1\r\n";
    }
    tree.AddGauge("unused.gau");
    tree.AddPanel("be", Utf16WithMark(panel, true));
    tree.AddPanel("le", Utf16WithMark(panel, false));
    tree.AddPanel("utf8", "\xEF\xBB\xBF" + Utf8(panel));
    Scan();
    EXPECT_EQ(table.Size(), std::size(cases) + 1);
    for (const auto& c : cases)
        EXPECT_EQ(table.Users(tree.Files().Names().LowerCase(c.gaugeFile)), "be, le, utf8") << c.gaugeFile;
    EXPECT_EQ(table.Users("unused.gau"), "");
}

// Windows' file lookup takes "Ƒ.gau" for the name a Windows-1252 panel spells
// with the byte 0x83 (ƒ).
TEST_F(PanelText, CapitalOfACodePageLetterBeyondTheCodePageIsTheSameName)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Windows build lists no name the code page cannot spell";
#endif
    tree.MakeFolder("Gauges");
    AddGaugeNamedInUtf8(tree, "\xC6\x91.gau");
    tree.AddPanel("c172", "gauge00=\x83!Main,1\r\n");
    Scan();
    EXPECT_EQ(table.Users("\xC6\x92.gau"), "c172");
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
