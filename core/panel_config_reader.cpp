#include "panel_config_reader.h"

#include "file_system.h"
#include "gauge_usage_table.h"
#include "simulator_folder.h"
#include "text_case.h"
#include "text_line_reader.h"

namespace dalvorn {

namespace {
const char kGaugeLinePrefix[] = "gauge";
const std::size_t kGaugeLinePrefixLength = sizeof(kGaugeLinePrefix) - 1;
const char kGaugeExtension[] = ".gau";
}  // namespace

bool GaugeKeyFromPanelLine(const FileSystem& fileSystem, const std::string& line, std::string& key)
{
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos || line.compare(start, kGaugeLinePrefixLength, kGaugeLinePrefix) != 0)
        return false;

    std::size_t nameStart = line.find('=', start);
    nameStart = nameStart == std::string::npos ? start : nameStart + 1;
    const std::size_t comma = line.find(',', nameStart);
    if (comma == std::string::npos)
        key.clear();
    else
        key.assign(line, nameStart, comma - nameStart);
    const std::size_t bang = key.find('!');
    if (bang != std::string::npos)
        key.erase(bang);
    key += kGaugeExtension;
    fileSystem.LowerCaseInPlace(key);
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

void ReadPanelFile(const FileSystem& fileSystem, const std::string& panelPath, const std::string& aircraftName,
                   GaugeUsageTable& table)
{
    TextLineReader reader(fileSystem, panelPath);
    std::string line;
    std::string key;
    while (reader.ReadLine(line))
        if (GaugeKeyFromPanelLine(fileSystem, line, key))
            table.AddUser(key, aircraftName);
}

}  // namespace dalvorn
