#include "aircraft_panels.h"

#include <set>
#include <utility>
#include <vector>

#include "file_system.h"
#include "panel_config_reader.h"
#include "panel_path.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

namespace {

const char kNoFolderByThisName[] = "no folder is found by this name";
const char kAircraftFolderName[] = "Aircraft";

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
    AircraftWalk(const FileSystem& fileSystem, const std::string& folder, const std::string& aircraftName,
                 const PanelGaugeVisitor& visit)
        : fileSystem_(fileSystem), folder_(folder), aircraftName_(aircraftName), visit_(visit)
    {
    }

    void Start(const std::string& aircraftFolder)
    {
        aircraftFolder_ = aircraftFolder;
        Visit(aircraftFolder, 0, true, false);
    }

private:
    // Deeper than this below the aircraft folder, every folder is identified,
    // so that even a loop no platform reports as a link (a bind mount, a
    // link followed by a file server) ends.
    static constexpr int kTrustedDepth = 8;

    void Visit(const std::string& folderPath, int depth, bool plain, bool linkAbove)
    {
        if ((!plain || depth > kTrustedDepth) && !FirstVisit(folderPath, !plain && linkAbove))
            return;
        std::vector<std::string> panels;
        bool listed = false;
        fileSystem_.Enumerate(folderPath, [&](const DirectoryEntry& entry) {
            listed = true;
            if (IsPanelFileName(entry.name))
                panels.push_back(entry.name);
            if (IsSubFolder(fileSystem_, entry))
                Visit(JoinPath(fileSystem_, folderPath, entry.name), depth + 1, entry.isPlainFolder,
                      linkAbove || !plain);
        });
        if (!listed) {
            // Listed as a folder, yet its path leads nowhere (Windows drops
            // a trailing dot from it): its panels must not go unseen. A
            // folder that listed nothing, not even "." and "..", is left to
            // the existence test.
            if (!fileSystem_.Exists(folderPath))
                throw FileException(folderPath, kNoFolderByThisName);
            if (fileSystem_.Exists(JoinPath(fileSystem_, folderPath, kPanelFileName)))
                panels.push_back(kPanelFileName);
        }
        // Where the file system tells letter case apart, every spelling is
        // read: which one the simulator opens depends on how it is run.
        for (const std::string& panel : panels)
            ReadWithAliases(folderPath, JoinPath(fileSystem_, folderPath, panel));
    }

    void ReadWithAliases(std::string panelFolder, std::string panelPath)
    {
        const auto gauge = [&](const std::string& name) { visit_.gauge(aircraftName_, panelFolder, name); };
        for (int followed = 0;; ++followed) {
            const std::string alias = ReadPanelFile(fileSystem_, panelPath, gauge);
            if (alias.empty() || followed == kLongestAliasChain)
                return;
            const auto target = ResolvePanelPath(fileSystem_, {kAircraftFolderName}, alias);
            panelFolder = target ? PathBelow(fileSystem_, folder_, *target) : std::string();
            panelPath = JoinPath(fileSystem_, panelFolder, kPanelFileName);
            if (!target || !fileSystem_.Exists(panelPath)) {
                if (visit_.missingAlias)
                    visit_.missingAlias(aircraftName_, alias);
                return;
            }
        }
    }

    // The aircraft folder is identified too, when the first other folder is,
    // so that a link back to it ends at once. Where identities cannot tell
    // folders apart (under Wine, every drive of the host is one volume whose
    // file index is the inode's number), none is skipped for one; a link met
    // below another link is left instead, which ends every loop of links
    // and never cuts a panel folder of the aircraft's own.
    bool FirstVisit(const std::string& folderPath, bool linkBelowLink)
    {
        if (!std::exchange(aircraftFolderIdentified_, true))
            Remember(aircraftFolder_);
        const std::optional<bool> first = Remember(folderPath);
        return first ? *first : !linkBelowLink;
    }

    // False when the folder was met before; nothing when its identity cannot
    // tell.
    std::optional<bool> Remember(const std::string& folderPath)
    {
        const auto identity = fileSystem_.IdentifyFolder(folderPath);
        if (!identity || !identity->includesVolume)
            return std::nullopt;
        return visited_.insert(*identity).second;
    }

    const FileSystem& fileSystem_;
    const std::string& folder_;
    const std::string& aircraftName_;
    const PanelGaugeVisitor& visit_;
    std::string aircraftFolder_;
    bool aircraftFolderIdentified_ = false;
    std::set<FolderIdentity> visited_;
};

}  // namespace

void ForEachPanelGauge(const FileSystem& fileSystem, const std::string& folder, const PanelGaugeVisitor& visit)
{
    const std::string aircraftFolder = JoinPath(fileSystem, folder, kAircraftFolderName);
    fileSystem.Enumerate(aircraftFolder, [&](const DirectoryEntry& entry) {
        if (IsSubFolder(fileSystem, entry))
            AircraftWalk(fileSystem, folder, entry.name, visit)
                .Start(JoinPath(fileSystem, aircraftFolder, entry.name));
    });
}

}  // namespace dalvorn
