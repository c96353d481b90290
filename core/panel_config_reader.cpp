#include "panel_config_reader.h"

#include <set>

#include "file_system.h"
#include "gauge_line.h"
#include "panel_definitions.h"
#include "panel_text_file.h"
#include "text_case.h"
#include "text_line_reader.h"

namespace dalvorn {

bool IsPanelFileName(const std::string& name)
{
    return EqualsIgnoringAsciiCase(name, kPanelFileName);
}

std::string ReadPanelFile(const FileSystem& fileSystem, const std::string& panelPath, const GaugeNameVisitor& visit)
{
    auto text = std::make_unique<PanelTextFile>(fileSystem.OpenForReading(panelPath));
    const PanelTextEncoding encoding = text->Encoding();
    const auto nameText = [&](const std::string& panelText) {
        return IsAscii(panelText) ? panelText : fileSystem.Names().NameTextFromPanelText(encoding, panelText);
    };
    TextLineReader reader(std::move(text));
    GaugeLine line;
    PanelDefinitions definitions;
    const TextLineReader::PartVisitor feed = [&](std::string_view part) {
        line.Feed(part);
        definitions.Feed(part);
    };
    // Strings may be defined after their use: names that use one wait for
    // the end of the file.
    std::set<std::string> withStrings;
    std::string name;
    for (line.Start(), definitions.Start(); reader.ReadLineInParts(feed); line.Start(), definitions.Start()) {
        definitions.Finish();
        if (!line.Finish(name))
            continue;
        if (name.find('%') != std::string::npos)
            withStrings.insert(name);
        else if (IsAscii(name))
            visit(name);
        else
            visit(nameText(name));
    }
    for (const std::string& used : withStrings)
        visit(nameText(definitions.WithStrings(used)));
    return nameText(definitions.Alias());
}

}  // namespace dalvorn
