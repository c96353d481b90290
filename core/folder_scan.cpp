#include "folder_scan.h"

#include <algorithm>
#include <set>

#include "aircraft_panels.h"
#include "file_system.h"
#include "gauge_list.h"
#include "gauge_usage_table.h"
#include "messages.h"
#include "owner_window.h"
#include "panel_path.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

// Adds the aircraft to the users of both files a container name can load:
// NAME.gau, or NAME.cab where there is no NAME.gau. `key` is storage the
// next name reuses.
void AddUserOfContainer(const FileSystem& fileSystem, const std::string& name, const std::string& aircraft,
                        GaugeUsageTable& table, std::string& key)
{
    if (std::none_of(name.begin(), name.end(), [](char c) { return c == '\\' || c == '/'; })) {
        key.assign(name);
    } else if (const std::optional<std::string> topLevel = TopLevelGaugeName(fileSystem, name)) {
        key.assign(*topLevel);
    } else {
        return;
    }
    fileSystem.Names().LowerCaseInPlace(key);
    const std::size_t length = key.size();
    for (const std::string_view extension : kGaugeExtensions) {
        key.resize(length);
        table.AddUser(key += extension, aircraft);
    }
}

}  // namespace

GaugeUsageTable GaugeInventory(const FileSystem& fileSystem, const std::string& gaugeFolder)
{
    std::vector<std::string> listed;
    std::set<std::string> others;
    fileSystem.Enumerate(gaugeFolder, [&](const DirectoryEntry& entry) {
        if (IsGaugeFile(fileSystem, entry))
            listed.push_back(entry.name);
        else
            others.insert(fileSystem.Names().LowerCase(entry.name));
    });
    const std::vector<std::string> confirmed = fileSystem.ConfirmedRegularFiles(gaugeFolder, listed);
    if (confirmed.size() != listed.size()) {
        const std::set<std::string> kept(confirmed.begin(), confirmed.end());
        for (const std::string& name : listed)
            if (kept.count(name) == 0)
                others.insert(fileSystem.Names().LowerCase(name));
    }
    GaugeUsageTable table;
    for (const std::string& name : confirmed) {
        const std::string key = fileSystem.Names().LowerCase(name);
        if (others.count(key) == 0)
            table.ResetGauge(key);
    }
    return table;
}

GaugeUsageTable UsageOfGaugesIn(const FileSystem& fileSystem, const std::string& folder,
                                const std::string& gaugeFolder)
{
    GaugeUsageTable table = GaugeInventory(fileSystem, gaugeFolder);
    PanelGaugeVisitor visit;
    std::string key;
    visit.gauge = [&](const std::string& aircraft, const std::string&, const std::string& name) {
        AddUserOfContainer(fileSystem, name, aircraft, table, key);
    };
    ForEachPanelGauge(fileSystem, folder, visit);
    return table;
}

bool ScanSimulatorFolder(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                         GaugeUsageTable& table, GaugeList& list)
{
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    if (!fileSystem.Exists(folder)) {
        owner.ShowError(kScanFolderNotFound, kScanCaption);
        return false;
    }
    try {
        BusyScope busy(owner);
        // Filled apart, so that a scan that fails leaves table and list as
        // they were, and one that succeeds no longer lists a gauge that left.
        table = UsageOfGaugesIn(fileSystem, folder, JoinPath(fileSystem, folder, kGaugeFolderName));
        RenderUsageTable(fileSystem, table, list);
        return true;
    } catch (const FileException& error) {
        ShowFileError(owner, error, kScanCaption);
        return false;
    }
}

}  // namespace dalvorn
