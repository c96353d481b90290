#include "folder_scan.h"

#include <set>

#include "file_system.h"
#include "gauge_list.h"
#include "gauge_usage_table.h"
#include "owner_window.h"
#include "panel_config_reader.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

const char kScanCaption[] = "Scan";
const char kFolderNotFound[] = "Folder not found";

bool IsSubFolder(const DirectoryEntry& entry)
{
    return entry.isDirectory && entry.name != "." && entry.name != "..";
}

class AircraftWalk {
public:
    AircraftWalk(const FileSystem& fileSystem, const std::string& aircraftName, GaugeUsageTable& table)
        : fileSystem_(fileSystem), aircraftName_(aircraftName), table_(table)
    {
    }

    void Visit(const std::string& folderPath)
    {
        if (!FirstVisit(folderPath))
            return;
        fileSystem_.Enumerate(folderPath, "*.*", [this, &folderPath](const DirectoryEntry& entry) {
            if (IsSubFolder(entry))
                Visit(JoinPath(fileSystem_, folderPath, entry.name));
        });
        ReadPanelConfiguration(fileSystem_, folderPath, aircraftName_, table_);
    }

private:
    bool FirstVisit(const std::string& folderPath)
    {
        const auto identity = fileSystem_.IdentifyFolder(folderPath);
        return !identity || visited_.insert(*identity).second;
    }

    const FileSystem& fileSystem_;
    const std::string& aircraftName_;
    GaugeUsageTable& table_;
    std::set<FolderIdentity> visited_;
};

void TakeGaugeInventory(const FileSystem& fileSystem, const std::string& folder, GaugeUsageTable& table)
{
    fileSystem.Enumerate(JoinPath(fileSystem, folder, "Gauges"), "*.gau", [&](const DirectoryEntry& entry) {
        if (HasGaugeExtension(entry.name))
            table.ResetGauge(fileSystem.LowerCase(entry.name));
    });
}

void WalkAllAircraft(const FileSystem& fileSystem, const std::string& folder, GaugeUsageTable& table)
{
    const std::string aircraftFolder = JoinPath(fileSystem, folder, "Aircraft");
    fileSystem.Enumerate(aircraftFolder, "*.*", [&](const DirectoryEntry& entry) {
        if (IsSubFolder(entry))
            WalkAircraftFolder(fileSystem, entry.name, JoinPath(fileSystem, aircraftFolder, entry.name), table);
    });
}

}  // namespace

void WalkAircraftFolder(const FileSystem& fileSystem, const std::string& aircraftName,
                        const std::string& folderPath, GaugeUsageTable& table)
{
    AircraftWalk(fileSystem, aircraftName, table).Visit(folderPath);
}

void ScanSimulatorFolder(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                         GaugeUsageTable& table, GaugeList& list)
{
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    if (!fileSystem.Exists(folder)) {
        owner.ShowError(kFolderNotFound, kScanCaption);
        return;
    }
    BusyScope busy(owner);
    TakeGaugeInventory(fileSystem, folder, table);
    WalkAllAircraft(fileSystem, folder, table);
    RenderUsageTable(table, list);
}

}  // namespace dalvorn
