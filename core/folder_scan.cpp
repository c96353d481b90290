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
    AircraftWalk(const FileSystem& fileSystem, const std::string& aircraftName, const PanelVisitor& visit)
        : fileSystem_(fileSystem), aircraftName_(aircraftName), visit_(visit)
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
        fileSystem_.Enumerate(folderPath, [&](const DirectoryEntry& entry) {
            panel.Note(entry.name);
            if (IsSubFolder(fileSystem_, entry))
                Visit(JoinPath(fileSystem_, folderPath, entry.name), depth + 1, entry.isPlainFolder);
        });
        if (!panel.folderListed) {
            // Listed as a folder, yet its path leads nowhere (Windows drops
            // a trailing dot from it): its panels must not go unseen.
            if (!fileSystem_.Exists(folderPath))
                throw FileException(folderPath, kNoFolderByThisName);
            const std::string path = JoinPath(fileSystem_, folderPath, kPanelFileName);
            if (fileSystem_.Exists(path))
                visit_(aircraftName_, folderPath, path);
        } else if (!panel.name.empty()) {
            visit_(aircraftName_, folderPath, JoinPath(fileSystem_, folderPath, panel.name));
        }
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
    const PanelVisitor& visit_;
    std::string aircraftFolder_;
    bool aircraftFolderIdentified_ = false;
    std::set<FolderIdentity> visited_;
};

}  // namespace

// A gauge whose key is also the name of an entry that is no gauge, as where
// the file system tells letter case apart "X.GAU" and a folder "x.gau" can
// both exist, is left out: its move could take that entry instead.
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
    std::vector<std::string> confirmed = fileSystem.ConfirmedRegularFiles(gaugeFolder, listed);
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
    ForEachAircraftPanel(fileSystem, folder, [&](const std::string& aircraftName, const std::string&,
                                                 const std::string& panelPath) {
        ReadPanelFile(fileSystem, panelPath, aircraftName, table);
    });
    return table;
}

void ForEachAircraftPanel(const FileSystem& fileSystem, const std::string& folder, const PanelVisitor& visit)
{
    const std::string aircraftFolder = JoinPath(fileSystem, folder, "Aircraft");
    fileSystem.Enumerate(aircraftFolder, [&](const DirectoryEntry& entry) {
        if (IsSubFolder(fileSystem, entry))
            AircraftWalk(fileSystem, entry.name, visit).Start(JoinPath(fileSystem, aircraftFolder, entry.name));
    });
}

void WalkAircraftFolder(const FileSystem& fileSystem, const std::string& aircraftName,
                        const std::string& folderPath, GaugeUsageTable& table)
{
    const PanelVisitor read = [&](const std::string&, const std::string&, const std::string& panelPath) {
        ReadPanelFile(fileSystem, panelPath, aircraftName, table);
    };
    AircraftWalk(fileSystem, aircraftName, read).Start(folderPath);
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
