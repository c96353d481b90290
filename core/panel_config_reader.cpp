#include "panel_config_reader.h"

#include "file_system.h"
#include "gauge_line.h"
#include "gauge_usage_table.h"
#include "panel_text_file.h"
#include "simulator_folder.h"
#include "text_case.h"
#include "text_line_reader.h"

namespace dalvorn {

namespace {

const char kGaugeExtension[] = ".gau";

// Written into `key`, whose storage the next line reuses.
void KeyOfGaugeName(const FileSystem& fileSystem, PanelTextEncoding encoding, const std::string& name,
                    std::string& key)
{
    if (IsAscii(name))
        key.assign(name);
    else
        key = fileSystem.Names().NameTextFromPanelText(encoding, name);
    key += kGaugeExtension;
    fileSystem.Names().LowerCaseInPlace(key);
}

}  // namespace

bool GaugeKeyFromPanelLine(const FileSystem& fileSystem, const std::string& line, std::string& key)
{
    GaugeLine gaugeLine;
    gaugeLine.Start();
    gaugeLine.Feed(line);
    std::string name;
    if (!gaugeLine.Finish(name))
        return false;
    KeyOfGaugeName(fileSystem, PanelTextEncoding::CodePage, name, key);
    return true;
}

bool IsPanelFileName(const std::string& name)
{
    return EqualsIgnoringAsciiCase(name, kPanelFileName);
}

void ReadPanelConfiguration(const FileSystem& fileSystem, const std::string& folderPath,
                            const std::string& aircraftName, GaugeUsageTable& table)
{
    const std::string path = JoinPath(fileSystem, folderPath, kPanelFileName);
    if (fileSystem.Exists(path))
        ReadPanelFile(fileSystem, path, aircraftName, table);
}

void ForEachGaugeName(const FileSystem& fileSystem, const std::string& panelPath, const GaugeNameVisitor& visit)
{
    auto text = std::make_unique<PanelTextFile>(fileSystem.OpenForReading(panelPath));
    const PanelTextEncoding encoding = text->Encoding();
    TextLineReader reader(std::move(text), panelPath);
    GaugeLine line;
    const TextLineReader::PartVisitor feed = [&line](std::string_view part) { line.Feed(part); };
    std::string name;
    for (line.Start(); reader.ReadLineInParts(feed); line.Start()) {
        if (line.Finish(name))
            visit(encoding, name);
    }
}

std::string NameTextOfGaugeName(const FileSystem& fileSystem, PanelTextEncoding encoding, const std::string& name)
{
    return IsAscii(name) ? name : fileSystem.Names().NameTextFromPanelText(encoding, name);
}

void ReadPanelFile(const FileSystem& fileSystem, const std::string& panelPath, const std::string& aircraftName,
                   GaugeUsageTable& table)
{
    std::string key;
    ForEachGaugeName(fileSystem, panelPath, [&](PanelTextEncoding encoding, const std::string& name) {
        KeyOfGaugeName(fileSystem, encoding, name, key);
        table.AddUser(key, aircraftName);
    });
}

}  // namespace dalvorn
