// Feeds arbitrary bytes as a panel.cfg to the panel reader, read for one
// aircraft after another, and holds the gauge usage table it builds against
// one worked out here the plain way: the text decoded whole as its byte-order
// mark tells, the strings and the alias the whole text defines, the keys cut
// from each line step by step, the users joined unless the list already
// holds the name.
//
// Input: byte 0 chooses the piece size in which the file is delivered,
// byte 1 how many aircraft read it (1 to 4), the next bytes which aircraft
// (names that are parts of one another, or the file's first line), the rest
// is the file.

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/gauge_line.h"
#include "core/gauge_usage_table.h"
#include "core/panel_config_reader.h"
#include "core/text_encoding.h"
#include "fuzz_check.h"
#include "memory_panel_file_system.h"
#include "reference_text_lines.h"

namespace dalvorn::fuzz {
namespace {

const char* const kAircraftNames[] = {"c172", "c17", "172", "Lear", "lear", "c172, Lear", "a", ", "};
const std::size_t kAircraftChoices = std::size(kAircraftNames) + 1;

std::string AircraftName(std::uint8_t choice, const std::string& panel)
{
    if (choice % kAircraftChoices < std::size(kAircraftNames))
        return kAircraftNames[choice % kAircraftChoices];
    return panel.substr(0, panel.find('\n'));
}

std::string AsciiLowerCase(std::string text)
{
    for (char& c : text)
        c = AsciiLower(c);
    return text;
}

std::string TrimBlanks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// UTF-16 decoded the plain way, the whole text at once.
std::string ReferenceUtf16ToUtf8(const std::string& bytes, bool bigEndian)
{
    std::vector<char32_t> units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned char low = bytes[bigEndian ? i + 1 : i];
        const unsigned char high = bytes[bigEndian ? i : i + 1];
        units.push_back(low | high << 8);
    }
    std::string utf8;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool high = units[i] >= 0xD800 && units[i] < 0xDC00;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            AppendUtf8(0x10000 + ((units[i] - 0xD800) << 10) + (units[i + 1] - 0xDC00), utf8);
            ++i;
        } else {
            AppendUtf8(units[i] >= 0xD800 && units[i] < 0xE000 ? 0xFFFD : units[i], utf8);
        }
    }
    if (bytes.size() % 2 != 0)
        AppendUtf8(0xFFFD, utf8);
    return utf8;
}

// The panel's text as its byte-order mark, or the lack of one, tells.
std::pair<std::string, PanelTextEncoding> ReferencePanelText(const std::string& panel)
{
    if (panel.compare(0, 2, "\xFF\xFE") == 0 || panel.compare(0, 2, "\xFE\xFF") == 0)
        return {ReferenceUtf16ToUtf8(panel.substr(2), panel[0] == '\xFE'), PanelTextEncoding::Utf8};
    if (panel.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return {panel.substr(3), PanelTextEncoding::Utf8};
    return {panel, PanelTextEncoding::CodePage};
}

struct ReferenceDefinitions {
    std::map<std::string, std::string> strings;  // lower-case name -> value
    std::string alias;
};

bool FitsAName(const std::string& text)
{
    return !text.empty() && text.size() <= kLongestGaugeName;
}

// "[Strings]" lines `"name"=value` or `name=value`, "[fltsim]" lines
// `alias=PATH`, each line's text up to a NUL.
ReferenceDefinitions ReferenceDefinitionsOf(const std::vector<std::string>& lines)
{
    ReferenceDefinitions definitions;
    std::string section;
    for (const std::string& line : lines) {
        const std::string text = TrimBlanks(line.substr(0, line.find('\0')));
        const std::size_t equals = text.find('=');
        if (text.empty()) {
            continue;
        } else if (text[0] == '[') {
            section = AsciiLowerCase(TrimBlanks(text.substr(1, text.find(']') - 1)));
        } else if (section == "strings" && text[0] == '"') {
            const std::size_t close = text.find('"', 1);
            const std::string rest = close == std::string::npos ? "" : TrimBlanks(text.substr(close + 1));
            const std::string value = TrimBlanks(rest.substr(std::min<std::size_t>(1, rest.size())));
            if (!rest.empty() && rest[0] == '=' && FitsAName(text.substr(1, close - 1)) &&
                value.substr(0, value.find_first_of(",!")).size() <= kLongestGaugeName)
                definitions.strings.emplace(AsciiLowerCase(text.substr(1, close - 1)), value);
        } else if (section == "strings" && equals != std::string::npos) {
            const std::string name = TrimBlanks(text.substr(0, equals));
            const std::string value = TrimBlanks(text.substr(equals + 1));
            if (FitsAName(name) && value.substr(0, value.find_first_of(",!")).size() <= kLongestGaugeName)
                definitions.strings.emplace(AsciiLowerCase(name), value);
        } else if (section == "fltsim" && equals != std::string::npos && definitions.alias.empty() &&
                   AsciiLowerCase(TrimBlanks(text.substr(0, equals))) == "alias" &&
                   FitsAName(TrimBlanks(text.substr(equals + 1)))) {
            definitions.alias = TrimBlanks(text.substr(equals + 1));
        }
    }
    return definitions;
}

// Each %name% of a defined string replaced by its value, left to right.
std::string ReferenceWithStrings(const std::string& name, const ReferenceDefinitions& definitions)
{
    std::string text;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t open = name.find('%', at);
        const std::size_t close = open == std::string::npos ? open : name.find('%', open + 1);
        if (close == std::string::npos)
            return text + name.substr(at);
        const auto found = definitions.strings.find(AsciiLowerCase(name.substr(open + 1, close - open - 1)));
        text += name.substr(at, open - at) +
                (found != definitions.strings.end() ? found->second : name.substr(open, close + 1 - open));
        at = close + 1;
    }
    return text;
}

// The gauge a line names, or nothing when it is no gauge line or names a
// file longer than any file name.
std::optional<std::string> ReferenceGaugeKey(const std::string& line, PanelTextEncoding encoding,
                                             const ReferenceDefinitions& definitions)
{
    const std::string text = line.substr(0, line.find('\0'));
    const std::size_t start = text.find_first_not_of(" \t");
    std::string rest = start == std::string::npos ? std::string() : text.substr(start);
    if (AsciiLowerCase(rest.substr(0, 5)) != "gauge")
        return std::nullopt;
    if (const std::size_t equals = rest.find('='); equals != std::string::npos)
        rest = rest.substr(equals + 1);
    rest = rest.substr(0, rest.find(','));
    rest = TrimBlanks(rest.substr(0, rest.find('!')));
    if (rest.size() > kLongestGaugeName)
        return std::nullopt;
    if (rest.find('%') != std::string::npos) {
        rest = ReferenceWithStrings(rest, definitions);
        rest = TrimBlanks(rest.substr(0, rest.find_first_of(",!")));
    }
    return FoldNameCase(Utf8FromPanelText(encoding, rest) + ".gau");
}

// Gauge key -> its users, each once, in the order first met.
using ReferenceTable = std::map<std::string, std::vector<std::string>>;

std::string JoinedUsers(const std::vector<std::string>& users)
{
    std::string text;
    for (std::size_t i = 0; i < users.size(); ++i)
        text += (i == 0 ? "" : ", ") + users[i];
    return text;
}

void ReferenceAddUser(ReferenceTable& table, const std::string& key, const std::string& aircraft)
{
    const auto found = table.find(key);
    if (found == table.end() || std::find(found->second.begin(), found->second.end(), aircraft) != found->second.end())
        return;
    found->second.push_back(aircraft);
}

// Every key the panel names, then keys it does not name but that look like
// those it does: all start unused.
ReferenceTable StartingTable(const std::vector<std::string>& keys)
{
    ReferenceTable table;
    for (const std::string& key : keys) {
        table[key];
        table["x" + key];
    }
    table[".gau"];
    table["unnamed.gau"];
    return table;
}

}  // namespace
}  // namespace dalvorn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace dalvorn;
    using namespace dalvorn::fuzz;
    if (size < 2 || size < 2u + 1 + data[1] % 4)
        return 0;
    const std::size_t aircraftCount = 1u + data[1] % 4;
    const std::size_t panelStart = 2 + aircraftCount;
    const std::string panel(reinterpret_cast<const char*>(data) + panelStart, size - panelStart);
    // As in a scan, each aircraft's panels are read once, one aircraft after
    // another; a folder's name is never empty.
    std::vector<std::string> aircraft;
    for (std::size_t i = 0; i < aircraftCount; ++i)
        if (std::string name = AircraftName(data[2 + i], panel);
            !name.empty() && std::find(aircraft.begin(), aircraft.end(), name) == aircraft.end())
            aircraft.push_back(std::move(name));
    const MemoryPanelFileSystem fileSystem(panel, PieceSize(data[0], panel.size()));

    std::vector<std::string> keys;
    const auto [text, encoding] = ReferencePanelText(panel);
    const std::vector<std::string> lines = ReferenceTextLines(text);
    const ReferenceDefinitions definitions = ReferenceDefinitionsOf(lines);
    for (const std::string& line : lines)
        if (const std::optional<std::string> key = ReferenceGaugeKey(line, encoding, definitions))
            keys.push_back(*key);
    ReferenceTable expected = StartingTable(keys);
    GaugeUsageTable table;
    for (const auto& [key, users] : expected)
        table.ResetGauge(key);
    for (const std::string& name : aircraft) {
        for (const std::string& key : keys)
            ReferenceAddUser(expected, key, name);
        const std::string alias = ReadPanelFile(fileSystem, MemoryPanelFileSystem::kPanel, [&](const std::string& gauge) {
            table.AddUser(fileSystem.Names().LowerCase(gauge + ".gau"), name);
        });
        Check(alias == Utf8FromPanelText(encoding, definitions.alias), "the alias is the first the [fltsim] sections give");
    }

    Check(table.Size() == expected.size(), "the reader never adds gauges to the table");
    for (const auto& [key, users] : expected)
        Check(table.Users(key) == JoinedUsers(users), "each gauge lists the aircraft whose panel names it, once each");
    return 0;
}
