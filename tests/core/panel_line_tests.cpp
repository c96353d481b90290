#include <gtest/gtest.h>

#include "core/panel_config_reader.h"
#include "platform/native_file_system.h"

namespace dalvorn {
namespace {

// The key a line names, "-" when it is not a gauge line.
std::string KeyOf(const std::string& line)
{
    static const auto fileSystem = CreateNativeFileSystem();
    std::string key;
    return GaugeKeyFromPanelLine(*fileSystem, line, key) ? key : "-";
}

TEST(PanelLine, NameIsBetweenEqualsAndBangOrComma)
{
    EXPECT_EQ(KeyOf("gauge00=Cessna!Airspeed, 10, 20, 80, 80"), "cessna.gau");
    EXPECT_EQ(KeyOf("gauge01=Magnetic_Compass, 100, 0"), "magnetic_compass.gau");
    EXPECT_EQ(KeyOf("gauge02=Radio,1!2"), "radio.gau");
    EXPECT_EQ(KeyOf("gauge09=a=b,1"), "a=b.gau");
    EXPECT_EQ(KeyOf("gauges=x,1"), "x.gau");
}

TEST(PanelLine, OnlyLeadingSpacesAreSkipped)
{
    EXPECT_EQ(KeyOf("  gauge03=Bendix_King!Radio,0,0"), "bendix_king.gau");
    EXPECT_EQ(KeyOf("\tgauge03=Bendix_King!Radio,0,0"), "-");
    EXPECT_EQ(KeyOf("gauge08= Cessna!Airspeed, 1, 2"), " cessna.gau");
    EXPECT_EQ(KeyOf("gauge10=Cessna !Airspeed,1"), "cessna .gau");
}

TEST(PanelLine, OtherLinesAreNotGaugeLines)
{
    for (const char* line : {"Gauge04=Cessna!Airspeed,1", "//gauge05=Cessna,1", ";gauge06=Cessna,1", "[Window00]",
                             "gaug", "", "   "})
        EXPECT_EQ(KeyOf(line), "-") << line;
}

TEST(PanelLine, WithoutCommaTheNameIsEmpty)
{
    EXPECT_EQ(KeyOf("gauge07=Cessna!Airspeed"), ".gau");
    EXPECT_EQ(KeyOf("gauge"), ".gau");
    EXPECT_EQ(KeyOf("gauge11 Cessna, 1"), "gauge11 cessna.gau");  // no '=': the whole line counts
}

}  // namespace
}  // namespace dalvorn
