#include "panel_config_reader.h"

#include "file_system.h"
#include "gauge_usage_table.h"
#include "text_line_reader.h"

namespace dalvorn {

namespace {
const char kPanelFileName[] = "panel.cfg";
const char kGaugeLinePrefix[] = "gauge";
const std::size_t kGaugeLinePrefixLength = sizeof(kGaugeLinePrefix) - 1;
}  // namespace

bool GaugeKeyFromPanelLine(const FileSystem& fileSystem, const std::string& line, std::string& key)
{
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos || line.compare(start, kGaugeLinePrefixLength, kGaugeLinePrefix) != 0)
        return false;

    std::size_t nameStart = line.find('=', start);
    nameStart = nameStart == std::string::npos ? start : nameStart + 1;
    const std::size_t comma = line.find(',', nameStart);
    std::string name = comma == std::string::npos ? std::string() : line.substr(nameStart, comma - nameStart);
    const std::size_t bang = name.find('!');
    if (bang != std::string::npos)
        name.erase(bang);
    key = fileSystem.LowerCase(name + ".gau");
    return true;
}

void ReadPanelConfiguration(const FileSystem& fileSystem, const std::string& folderPath,
                            const std::string& aircraftName, GaugeUsageTable& table)
{
    const std::string path = folderPath + fileSystem.Separator() + kPanelFileName;
    if (!fileSystem.Exists(path))
        return;
    TextLineReader reader(fileSystem, path);
    std::string line;
    std::string key;
    while (reader.ReadLine(line))
        if (GaugeKeyFromPanelLine(fileSystem, line, key))
            table.AddUser(key, aircraftName);
}

}  // namespace dalvorn
