#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/linux/wine_registered_simulator_folder.h"
#include "platform/linux/wine_registry_file.h"

namespace dalvorn {
namespace {

const char kKey[] = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";

// A registry file holding `valueLines` below `keyLine`, laid out the way
// Wine writes system.reg.
std::string RegistryFile(const std::string& keyLine, const std::string& valueLines)
{
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
           "[Software\\\\Microsoft\\\\Windows] 1700000000\n#time=1da0c6e5b2c5f10\n\"Other\"=\"x\"\n\n" +
           keyLine + " 1700000001\n#time=1da0c6e5b2c5f11\n" + valueLines +
           "\n[System\\\\Select] 1700000002\n\"Current\"=dword:00000001\n";
}

std::string SimulatorFile(const std::string& valueLines)
{
    return RegistryFile(R"([Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0])", valueLines);
}

std::optional<std::string> ExePath(const std::string& valueLines)
{
    return FindWineRegistryString(SimulatorFile(valueLines), kKey, "EXE Path");
}

TEST(WineRegistryString, UndoesEscapedBackslashes)
{
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\Program Files\\FS2002")"), "C:\\Program Files\\FS2002");
}

TEST(WineRegistryString, ReadsQuotedNamesAndTextWithEscapedQuotes)
{
    const std::string values = R"("Say \"EXE Path\""="wrong")" "\n" R"("EXE Path"="C:\\\"FS\"")";
    EXPECT_EQ(ExePath(values), "C:\\\"FS\"");
    EXPECT_EQ(FindWineRegistryString(SimulatorFile(values), kKey, "Say \"EXE Path\""), "wrong");
}

TEST(WineRegistryString, NeedsTheWholeValueName)
{
    EXPECT_EQ(ExePath(R"("EXE Path2"="C:\\A")"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE"="C:\\A")"), std::nullopt);
    EXPECT_EQ(ExePath(R"("exe path"="C:\\A")"), "C:\\A");
}

TEST(WineRegistryString, ReadsHexEscapesOfUpToFourDigitsAsUtf8)
{
    // Wine pads the code to four digits only when a hex digit follows.
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\Spi\xe9l")"), "C:\\Spi\xC3\xA9l");
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\Caf\x00e9a")"), "C:\\Caf\xC3\xA9" "a");
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\\x65e5\x672c")"), "C:\\\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\\xd83d\xde80")"), "C:\\\xF0\x9F\x9A\x80");
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\xyz")"), "C:\\xyz");
}

TEST(WineRegistryString, RefusesLoneSurrogatesAndRawNonAsciiBytes)
{
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\\xd83d")"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\\xde80x")"), std::nullopt);
    EXPECT_EQ(ExePath("\"EXE Path\"=\"C:\\\\Spi\xC3\xA9l\""), std::nullopt);
}

TEST(WineRegistryString, ReadsNamedAndOctalEscapesAndStopsAtNul)
{
    EXPECT_EQ(ExePath(R"("EXE Path"="a\tb\101\7")"), "a\tbA\a");
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\FS\0C:\\Other")"), "C:\\FS");
}

TEST(WineRegistryString, MatchesTheKeyInAnyLetterCase)
{
    const std::string file = RegistryFile(R"([SOFTWARE\\microsoft\\MICROSOFT GAMES\\flight simulator\\8.0])",
                                          R"("EXE Path"="C:\\FS")");
    EXPECT_EQ(FindWineRegistryString(file, kKey, "EXE Path"), "C:\\FS");
}

TEST(WineRegistryString, LooksOnlyInTheWantedKey)
{
    const std::string subKey = RegistryFile(R"([Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0\\Sub])",
                                            R"("EXE Path"="C:\\FS")");
    EXPECT_EQ(FindWineRegistryString(subKey, kKey, "EXE Path"), std::nullopt);
    const std::string later = SimulatorFile("") + "\"EXE Path\"=\"C:\\\\Select\"\n";
    EXPECT_EQ(FindWineRegistryString(later, kKey, "EXE Path"), std::nullopt);
}

TEST(WineRegistryString, ReadsExpandableStringsUnexpanded)
{
    EXPECT_EQ(ExePath(R"("EXE Path"=str(2):"%ProgramFiles%\\FS2002")"), "%ProgramFiles%\\FS2002");
    EXPECT_EQ(ExePath(R"("EXE Path"=str:"C:\\FS")"), "C:\\FS");
}

TEST(WineRegistryString, GivesNothingForOtherTypes)
{
    EXPECT_EQ(ExePath(R"("EXE Path"=str(7):"C:\\FS")"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path"=dword:00000001)"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path"=hex:43,3a,5c,00)"), std::nullopt);
    // An unterminated string is written in hex form; it is no string.
    EXPECT_EQ(ExePath(R"("EXE Path"=hex(1):43,00,3a,00)"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path"=hex(2):43,00,3a,00,00,00)"), std::nullopt);
}

TEST(WineRegistryString, SkipsTheContinuationLinesOfBinaryData)
{
    const std::string values = "\"Blob\"=hex:01,02,03,\\\n  \"EXE Path\"=\"C:\\\\Wrong\",\\\n  04\n"
                               "\"EXE Path\"=\"C:\\\\FS\"";
    EXPECT_EQ(ExePath(values), "C:\\FS");
}

TEST(WineRegistryString, GivesNothingForMissingOrMalformedValues)
{
    EXPECT_EQ(ExePath(R"("Other"="C:\\FS")"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\FS)"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path"="C:\\FS\")"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path="C:\\FS")"), std::nullopt);
    EXPECT_EQ(ExePath(R"("EXE Path" "C:\\FS")"), std::nullopt);
    EXPECT_EQ(FindWineRegistryString("", kKey, "EXE Path"), std::nullopt);
}

TEST(WineRegistryString, AcceptsCarriageReturnsAndTheDefaultValue)
{
    std::string file = SimulatorFile("@=\"default\"\n\"EXE Path\"=\"C:\\\\FS\"");
    for (std::size_t at = file.find('\n'); at != std::string::npos; at = file.find('\n', at + 2))
        file.insert(at, "\r");
    EXPECT_EQ(FindWineRegistryString(file, kKey, "EXE Path"), "C:\\FS");
    EXPECT_EQ(FindWineRegistryString(file, kKey, ""), "default");
}

std::string BothCopies(const std::string& wowLine, const std::string& plainLine)
{
    return RegistryFile(R"([Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0])", plainLine) +
           "[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\8.0] 1700000003\n" +
           wowLine + "\n";
}

TEST(WineRegisteredSimulatorPath, PrefersThe32BitCopy)
{
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry(
                  BothCopies(R"("EXE Path"="C:\\FS32")", R"("EXE Path"="C:\\FS64")")),
              "C:\\FS32");
}

TEST(WineRegisteredSimulatorPath, FallsBackToThePlainKey)
{
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry(SimulatorFile(R"("EXE Path"="C:\\FS")")), "C:\\FS");
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry(
                  BothCopies(R"("EXE Path"=dword:00000001)", R"("EXE Path"="C:\\FS64")")),
              "C:\\FS64");
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry(SimulatorFile(R"("Other"="C:\\FS")")), std::nullopt);
}

TEST(WineRegisteredSimulatorPath, AcceptsAtMost254Characters)
{
    const auto registered = [](const std::string& escapedPath) {
        return RegisteredSimulatorPathInWineRegistry(SimulatorFile("\"EXE Path\"=\"" + escapedPath + "\""));
    };
    const std::string a251(251, 'a');
    EXPECT_EQ(registered("C:\\\\" + a251), "C:\\" + a251);
    EXPECT_EQ(registered("C:\\\\" + a251 + "a"), std::nullopt);
    // Characters count, not the bytes of their UTF-8 form.
    EXPECT_EQ(registered("C:\\\\" + a251.substr(1) + "\\xe9"), "C:\\" + a251.substr(1) + "\xC3\xA9");
    EXPECT_EQ(registered(""), std::nullopt);
}

TEST(WineRegistryRobustness, ACutFileGivesTheWholeValueOrNothing)
{
    const std::string file = SimulatorFile(R"("EXE Path"="C:\\Program Files\\FS\x00e9\"2002\"")");
    const std::string whole = "C:\\Program Files\\FS\xC3\xA9\"2002\"";
    ASSERT_EQ(RegisteredSimulatorPathInWineRegistry(file), whole);
    for (std::size_t length = 0; length < file.size(); ++length) {
        const std::optional<std::string> path = RegisteredSimulatorPathInWineRegistry(file.substr(0, length));
        if (path) {
            EXPECT_EQ(*path, whole) << "cut after " << length << " bytes";
        }
    }
}

TEST(WineRegistryRobustness, DamagedFilesNeverGiveAnUnusableFolder)
{
    const std::string file = BothCopies(R"("EXE Path"="C:\\FS\x00e9")", R"("EXE Path"=str(2):"C:\\FS")");
    std::uint32_t state = 12345;
    const auto random = [&state]() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string damaged = file;
        for (int change = 1 + random() % 8; change > 0; --change)
            damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
        const std::optional<std::string> path = RegisteredSimulatorPathInWineRegistry(damaged);
        if (path) {
            EXPECT_FALSE(path->empty());
            EXPECT_LE(path->size(), 4 * kMaxRegisteredFolderLength);
        }
    }
}

TEST(WineRegistryRobustness, SurvivesHugeLines)
{
    const std::string huge(4 << 20, '\\');
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry(SimulatorFile("\"EXE Path\"=\"" + huge + "\"")), std::nullopt);
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry(SimulatorFile("\"EXE Path\"=\"" + huge + "\\\"")),
              std::nullopt);
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry("[" + huge), std::nullopt);
    EXPECT_EQ(RegisteredSimulatorPathInWineRegistry(SimulatorFile("\"" + huge)), std::nullopt);
}

}  // namespace
}  // namespace dalvorn
