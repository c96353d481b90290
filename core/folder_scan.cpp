#include "folder_scan.h"

#include <set>

#include "file_system.h"
#include "gauge_list.h"
#include "gauge_usage_table.h"
#include "messages.h"
#include "owner_window.h"
#include "panel_config_reader.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

const char kNoFolderByThisName[] = "no folder is found by this name";

bool IsSubFolder(const FileSystem& fileSystem, const DirectoryEntry& entry)
{
    return entry.isDirectory && StaysInItsFolder(fileSystem, entry);
}

// Walks one aircraft folder. Links are followed, but the walk never goes
// round a loop: every folder entered through a link, or lying deeper than any
// real aircraft nests its panels, is identified, and one met before is not
// walked again. Plain sub-folders near the top are new by construction and
// are not asked for their identity, which under Wine costs a round trip to
// its server for every folder. A folder reached both through a link and
// directly may then be walked twice; that reads the same panels for the same
// aircraft again and changes nothing.
class AircraftWalk {
public:
    AircraftWalk(const FileSystem& fileSystem, const std::string& aircraftName, GaugeUsageTable& table)
        : fileSystem_(fileSystem), aircraftName_(aircraftName), table_(table)
    {
    }

    void Start(const std::string& aircraftFolder)
    {
        aircraftFolder_ = aircraftFolder;
        Visit(aircraftFolder, 0, true);
    }

private:
    // Deeper than this below the aircraft folder, every folder is identified,
    // so that even a loop no platform reports as a link (a bind mount, a
    // link followed by a file server) ends.
    static constexpr int kTrustedDepth = 8;

    void Visit(const std::string& folderPath, int depth, bool plain)
    {
        if ((!plain || depth > kTrustedDepth) && !FirstVisit(folderPath))
            return;
        PanelSighting panel;
        fileSystem_.Enumerate(folderPath, "*.*", [&](const DirectoryEntry& entry) {
            panel.Note(entry.name);
            if (IsSubFolder(fileSystem_, entry))
                Visit(JoinPath(fileSystem_, folderPath, entry.name), depth + 1, entry.isPlainFolder);
        });
        if (!panel.folderListed) {
            // Listed as a folder, yet its path leads nowhere (Windows drops
            // a trailing dot from it): its panels must not go unseen.
            if (!fileSystem_.Exists(folderPath))
                throw FileException(folderPath, kNoFolderByThisName);
            ReadPanelConfiguration(fileSystem_, folderPath, aircraftName_, table_);
        }
        else if (!panel.name.empty())
            ReadPanelFile(fileSystem_, JoinPath(fileSystem_, folderPath, panel.name), aircraftName_, table_);
    }

    // The folder's panel.cfg as its listing shows it, so that finding it
    // takes no second look at the folder. Where the file system tells letter
    // case apart and several spellings exist, the exact one wins, else the
    // first listed, as looking the path up would choose. A folder that listed
    // nothing, not even "." and "..", is left to the existence test.
    struct PanelSighting {
        bool folderListed = false;
        std::string name;

        void Note(const std::string& entryName)
        {
            folderListed = true;
            if (IsPanelFileName(entryName) && (name.empty() || entryName == kPanelFileName))
                name = entryName;
        }
    };

    // The aircraft folder is identified too, when the first other folder is,
    // so that a link back to it ends at once.
    bool FirstVisit(const std::string& folderPath)
    {
        if (!aircraftFolderIdentified_) {
            aircraftFolderIdentified_ = true;
            Remember(aircraftFolder_);
        }
        return Remember(folderPath);
    }

    // False when the folder was met before.
    bool Remember(const std::string& folderPath)
    {
        const auto identity = fileSystem_.IdentifyFolder(folderPath);
        return !identity || visited_.insert(*identity).second;
    }

    const FileSystem& fileSystem_;
    const std::string& aircraftName_;
    GaugeUsageTable& table_;
    std::string aircraftFolder_;
    bool aircraftFolderIdentified_ = false;
    std::set<FolderIdentity> visited_;
};

// A gauge whose key is also the name of an entry that is no gauge, as where
// the file system tells letter case apart "X.GAU" and a folder "x.gau" can
// both exist, is left out: its move could take that entry instead.
void TakeGaugeInventory(const FileSystem& fileSystem, const std::string& folder, GaugeUsageTable& table)
{
    std::set<std::string> gauges;
    std::set<std::string> others;
    fileSystem.Enumerate(JoinPath(fileSystem, folder, kGaugeFolderName), "*.gau", [&](const DirectoryEntry& entry) {
        (IsGaugeFile(fileSystem, entry) ? gauges : others).insert(fileSystem.LowerCase(entry.name));
    });
    for (const std::string& key : gauges)
        if (others.count(key) == 0)
            table.ResetGauge(key);
}

void WalkAllAircraft(const FileSystem& fileSystem, const std::string& folder, GaugeUsageTable& table)
{
    const std::string aircraftFolder = JoinPath(fileSystem, folder, "Aircraft");
    fileSystem.Enumerate(aircraftFolder, "*.*", [&](const DirectoryEntry& entry) {
        if (IsSubFolder(fileSystem, entry))
            WalkAircraftFolder(fileSystem, entry.name, JoinPath(fileSystem, aircraftFolder, entry.name), table);
    });
}

}  // namespace

void WalkAircraftFolder(const FileSystem& fileSystem, const std::string& aircraftName,
                        const std::string& folderPath, GaugeUsageTable& table)
{
    AircraftWalk(fileSystem, aircraftName, table).Start(folderPath);
}

void ScanSimulatorFolder(const FileSystem& fileSystem, OwnerWindow& owner, const std::string& folderText,
                         GaugeUsageTable& table, GaugeList& list)
{
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    if (!fileSystem.Exists(folder)) {
        owner.ShowError(kScanFolderNotFound, kScanCaption);
        return;
    }
    BusyScope busy(owner);
    TakeGaugeInventory(fileSystem, folder, table);
    WalkAllAircraft(fileSystem, folder, table);
    RenderUsageTable(fileSystem, table, list);
}

}  // namespace dalvorn
