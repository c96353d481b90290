// What a panel defines for its gauge lines ([Strings], [fltsim] alias=),
// and names that lead back into Gauges, through the scan of real files.

#include <gtest/gtest.h>

#include "support/simulator_fixture.h"

namespace dalvorn {
namespace {

using Lines = std::vector<std::string>;

class PanelDefinitionsScan : public test_support::SimulatorFixture {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"bf109e.gau", ""}, {"RADIO.gau", ""}, {"Cessna.GAU", ""}, {"vor.gau", ""},
                        {"adf.gau", ""}, {"Beech_Baron.CAB", ""}, {"IMPORT/CFS1/BF109E.gau", ""}});
        tree.MakeFolder("Gauges/xml gauges");
    }

    // The gauges the scan finds used, joined by " ".
    std::string UsedGauges()
    {
        std::string used;
        for (const std::string& line : Scan())
            if (line.rfind("[ ] ", 0) == 0)
                used += (used.empty() ? "" : " ") + line.substr(4, line.find(' ', 4) - 4);
        return used;
    }
};

TEST_F(PanelDefinitionsScan, GaugeLinesNameWhatTheirStringsAndPathsLeadTo)
{
    struct Case {
        const char* panel;
        const char* used;
    };
    const Case cases[] = {
        {"[Strings]\n\"altimeter\"=BF109E!altimeter\n[Window00]\ngauge11=%altimeter%,100,200,75\n", "bf109e.gau"},
        {"[strings]\n  radio = Radio!Stack  \ngauge00=%radio%,1\n", "radio.gau"},
        {"gauge00=%RADIO%,1\n[ STRINGS ]\nRadio=radio!Stack\n", "radio.gau"},
        {"gauge00=%nothing%,1\n[Strings]\nother=radio\n", ""},
        {"[Window00]\nr=radio\ngauge00=%r%,1\n", ""},
        {"[Strings]\n\"alt\"=IMPORT/CFS1/BF109E!altimeter\ngauge00=%alt%,1\n", ""},
        {"[Strings]\nr=radio\n[Window00]\ngauge00=%r%,1\n[Strings]\nr=vor\n", "radio.gau"},
        {"[Strings]\nc=Cess\ngauge00= %c%na !x,1\n", "cessna.gau"},
        {"[Strings]\nr=radio, 1, 2\ngauge00=%r%\n", "radio.gau"},
        {"[Strings]\n\"a\"=vor\ngauge00=%a%%b%,1\ngauge01=%a,1\n", ""},
        {"gauge00=.\\Cessna!x\ngauge01=sub\\..\\radio!x\ngauge02=../Gauges/vor!x\ngauge03=./adf!x\n",
         "adf.gau cessna.gau radio.gau vor.gau"},
        {"gauge00=..\\..\\Gauges\\vor!x\ngauge01=IMPORT\\CFS1\\BF109E!x\ngauge02=\\adf!x\n", ""},
        {"gauge00=IMPORT/CFS1/../../radio!x\n", "radio.gau"},
        {"gauge00=Beech_Baron!Autobrakes Switch\ngauge01=xml gauges!x\n", "beech_baron.cab"},
    };
    for (const Case& c : cases) {
        tree.AddPanel("bf/panel", c.panel);
        EXPECT_EQ(UsedGauges(), c.used) << c.panel;
    }
}

TEST_F(PanelDefinitionsScan, AnAliasUsesThePanelOfTheFolderItNames)
{
    tree.AddPanel("C172/panel", "[Strings]\nr=radio\ngauge00=Cessna!x,1\ngauge01=%r%,1\n");
    tree.AddPanel("alias", "[fltsim]\nalias=C172\\panel\n");
    tree.AddPanel("blanks and case", "  [ FltSim ]\n  ALIAS = c172/PANEL \n");
    tree.AddPanel("chain", "[fltsim]\nalias=alias\n");
    tree.AddPanel("loop1", "[fltsim]\nalias=loop2\ngauge00=vor,1\n");
    tree.AddPanel("loop2", "[fltsim]\nalias=loop1\n");
    tree.AddPanel("missing", "[fltsim]\nalias=nowhere\\panel\n");
    tree.AddPanel("above", "[fltsim]\nalias=..\\..\\C172\\panel\n");
    tree.AddPanel("elsewhere", "[Window00]\nalias=C172\\panel\n");
    for (int i = 0; i < 9; ++i)
        tree.AddPanel("long" + std::to_string(i), "[fltsim]\nalias=long" + std::to_string(i + 1) + "\n");
    tree.AddPanel("long9", "gauge00=adf,1\n");
    EXPECT_EQ(Scan(), (Lines{"[ ] adf.gau (Used By: long1, long2, long3, long4, long5, long6, long7, long8, long9)",
                             "[x] beech_baron.cab (Used By: )", "[x] bf109e.gau (Used By: )",
                             "[ ] cessna.gau (Used By: alias, blanks and case, C172, chain)",
                             "[ ] radio.gau (Used By: alias, blanks and case, C172, chain)",
                             "[ ] vor.gau (Used By: loop1, loop2)"}));
    EXPECT_TRUE(owner.errors.empty());
}

}  // namespace
}  // namespace dalvorn
