#include <gtest/gtest.h>

#include "core/missing_gauge_check.h"
#include "support/simulator_tree.h"

namespace dalvorn {
namespace {

using Lines = std::vector<std::string>;

std::string Describe(const MissingContainer& container)
{
    static const char* const kStates[] = {"moved", "local", "missing"};
    std::string text = std::string(kStates[static_cast<int>(container.state)]) + " " + container.name + ":";
    for (const std::string& aircraft : container.neededBy)
        text += " " + aircraft;
    return text;
}

Lines Check(test_support::SimulatorTree& tree)
{
    Lines lines;
    for (const MissingContainer& container : FindMissingContainers(tree.Files(), tree.Root()))
        lines.push_back(Describe(container));
    return lines;
}

class MissingGaugeCheck : public testing::Test {
protected:
    void SetUp() override
    {
        tree.AddGauges({{"Present.GAU", ""}, {"unused/Moved.gau", ""}, {"unused/Packed.CAB", ""}, {"sub/Inner.gau", ""}});
        tree.WriteFile("Gauges/pack.cab", "");
        tree.MakeFolder("Gauges/FolderC");
        tree.WriteFile("outside.gau", "");
        tree.WriteFile("Aircraft/c172/panel/local.gau", "");
    }

    test_support::SimulatorTree tree;
};

// Each gauge line of c172 against where the simulator looks.
TEST_F(MissingGaugeCheck, FindsEachContainerWhereTheSimulatorLooks)
{
    struct Case {
        const char* line;
        Lines expected;
    };
    const Case cases[] = {
        {"gauge00=present!a, 1", {}},
        {"gauge00=PACK!a", {}},
        {"gauge00=folderc!a", {}},
        {"gauge00=Sub\\inner!a", {}},
        {"gauge00=sub/./INNER!a", {}},
        {"gauge00=..\\Gauges\\present!a", {}},
        {"gauge00=..\\outside!a", {}},
        {"//gauge00=nowhere!a", {}},
        {"htmlgauge00=nowhere!a", {}},
        {"gauge00=Moved!a", {"moved moved.gau: c172"}},
        {"gauge00=.\\Moved!a\ngauge01=sub/../moved!b", {"moved moved.gau: c172"}},
        {"gauge00=packed!a", {"moved packed.cab: c172"}},
        {"[Strings]\nm=Moved\ngauge00=%m%!a\ngauge01=%M%", {"moved moved.gau: c172"}},
        {"[Strings]\np=present\ngauge00=%p%!a\ngauge01=%q%!b", {"missing %q%: c172"}},
        {"gauge00=Local!a", {"local local: c172"}},
        {"gauge00=Nowhere!a", {"missing nowhere: c172"}},
        {"gauge00=..\\..\\outside!a", {"missing ..\\..\\outside: c172"}},
        {"gauge00=\\outside!a", {"missing \\outside: c172"}},
        {"gauge00=sub\\!a", {"missing sub\\: c172"}},
        {"gauge00=unused\\..\\..\\..\\Gauges\\present!a", {"missing unused\\..\\..\\..\\gauges\\present: c172"}},
        {"gauge00=Moved.gau!a", {"missing moved.gau: c172"}},
    };
    for (const Case& c : cases) {
        tree.AddPanel("c172/panel", std::string(c.line) + "\n");
        EXPECT_EQ(Check(tree), c.expected) << c.line;
    }
}

// One entry per name and state, each aircraft once, sorted by name.
TEST_F(MissingGaugeCheck, GathersTheAircraftOfEachName)
{
    tree.AddPanel("c172/panel", "gauge00=nowhere!a\ngauge01=Moved!b\ngauge02=local!c\ngauge03=NOWHERE!d\n");
    tree.AddPanel("c172/panel.1", "gauge00=nowhere!a\n");
    tree.AddPanel("Baron", "gauge00=moved!a\ngauge01=Local!b\ngauge02=Nowhere!c\n");
    EXPECT_EQ(Check(tree), (Lines{"local local: c172", "missing local: Baron", "moved moved.gau: Baron c172",
                                  "missing nowhere: Baron c172"}));
}

// An aircraft that aliases another's panel needs what that panel needs; an
// alias whose panel is not there is missing, as the panel writes it.
TEST_F(MissingGaugeCheck, AliasesNeedWhatTheirPanelNeeds)
{
    tree.AddPanel("c172/panel", "gauge00=Nowhere!a\ngauge01=local!b\n");
    tree.AddPanel("Alias", "[fltsim]\nalias = C172\\Panel\n");
    tree.AddPanel("Broken", "[FLTSIM]\nalias=C182\\Panel\n");
    tree.AddPanel("Outside", "[fltsim]\nalias=..\\..\\c172\\panel\n");
    EXPECT_EQ(Check(tree), (Lines{"missing ..\\..\\c172\\panel: Outside", "missing C182\\Panel: Broken",
                                  "local local: Alias c172", "missing nowhere: Alias c172"}));
}

TEST_F(MissingGaugeCheck, AnUnreadablePanelRaises)
{
    tree.MakeFolder("Aircraft/Broken/panel.cfg");
    EXPECT_THROW(Check(tree), FileException);
}

}  // namespace
}  // namespace dalvorn
