#include <gtest/gtest.h>

#include "core/gauge_line.h"
#include "core/panel_config_reader.h"
#include "platform/native_file_system.h"
#include "support/temporary_folder.h"

namespace dalvorn {
namespace {

struct LineCase {
    std::string line;
    const char* key;  // "-" when the line names no gauge
};

const std::string kBlanks(5000, ' ');
const std::string kTooLong(kLongestGaugeName + 1, 'x');

const LineCase kLineCases[] = {
    {"gauge00=Cessna!Airspeed, 10, 20, 80, 80", "cessna.gau"},
    {"gauge01=Magnetic_Compass, 100, 0", "magnetic_compass.gau"},
    {"gauge02=Radio,1!2", "radio.gau"},
    {"gauge09=a=b,1", "a=b.gau"},
    {"gauges=x,1", "x.gau"},
    {"gauge07=Cessna!Airspeed", "cessna.gau"},
    {"gauge05=my gauge, 1", "my gauge.gau"},
    {"gauge06=Captain_Sim.r001.P04!Main, 1", "captain_sim.r001.p04.gau"},
    {"  gauge03=Bendix_King!Radio,0,0", "bendix_king.gau"},
    {"\tgauge04=Bendix_King!Radio,0,0", "bendix_king.gau"},
    {"gauge08= Cessna!Airspeed, 1, 2", "cessna.gau"},
    {"gauge10=Cessna \t!Airspeed,1", "cessna.gau"},
    {"Gauge04=Cessna!Airspeed,1", "cessna.gau"},
    {"GAUGE04=Cessna,1", "cessna.gau"},
    {"gauge00= Shorts360!Voltmeter,      -6, -5, 115, 115", "shorts360.gau"},
    {"Gauge13= Shorts360!FlightMap,    20, 210, 99, 100", "shorts360.gau"},
    {"gauge00\t\t\t\t= RADIO!Radio_KDI572, \t0,   0, 485, 100", "radio.gau"},
    {"gauge11 Cessna, 1", "gauge11 cessna.gau"},  // no '=': the whole line counts
    {"gauge", "gauge.gau"},
    {"gauge01,x=y,1", "y.gau"},
    {"gauge00=,1", ".gau"},
    {std::string("gauge00=Cess\0na!x,1", 20), "cess.gau"},  // a NUL ends the text
    {std::string("gauge00=Cessna \0,x=y,1", 22), "cessna.gau"},
    {std::string("gauge00\0=Cessna,1", 18), "gauge00.gau"},
    {std::string("gauge00=Cessna,1\0=x", 20), "cessna.gau"},
    {std::string("gau\0ge00=Cessna,1", 18), "-"},
    {"gauge00=" + kBlanks + "Cessna" + kBlanks + "\t!x", "cessna.gau"},
    {"gauge" + kTooLong + "=Cessna,1", "cessna.gau"},
    {"gauge00=" + kTooLong + ",1", "-"},
    {"gauge00=a" + kBlanks + "b,1", "-"},
    {"//gauge05=Cessna,1", "-"},
    {";gauge06=Cessna,1", "-"},
    {"htmlgauge00=Cessna,1", "-"},
    {"xxxgauge00=Cessna,1", "-"},
    {"[Window00]", "-"},
    {"gaug", "-"},
    {"", "-"},
    {" \t ", "-"},
};

// Each line alone in a panel file, through the reader.
TEST(PanelLine, GaugeKeyOfEveryKindOfLine)
{
    test_support::TemporaryFolder folder;
    for (const LineCase& test : kLineCases) {
        folder.WriteFile("panel.cfg", test.line + "\r\n");
        const auto fileSystem = CreateNativeFileSystem();
        std::string keys;
        ReadPanelFile(*fileSystem, folder.PathOf("panel.cfg"),
                      [&](const std::string& name) { keys += fileSystem->Names().LowerCase(name + ".gau"); });
        EXPECT_EQ(keys.empty() ? "-" : keys, test.key) << test.line.substr(0, 80);
    }
}

TEST(PanelLine, PartsOfAnySizeGiveTheSameName)
{
    for (const LineCase& test : kLineCases) {
        GaugeLine whole;
        whole.Start();
        whole.Feed(test.line);
        std::string expected = "-";
        whole.Finish(expected);
        for (const std::size_t piece : {1, 2, 3, 7, 4096}) {
            GaugeLine line;
            line.Start();
            for (std::size_t at = 0; at < test.line.size(); at += piece)
                line.Feed(std::string_view(test.line).substr(at, piece));
            std::string name = "-";
            line.Finish(name);
            EXPECT_EQ(name, expected) << test.line.substr(0, 80) << " in pieces of " << piece;
        }
    }
}

}  // namespace
}  // namespace dalvorn
