#pragma once
// The file system as the scan, the panel reader and the mover see it.
// Paths are 8-bit strings in the platform's multibyte code page; the
// platform matches paths and patterns without regard to letter case.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "naming.h"

namespace dalvorn {

struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;
    // True only when the platform knows the entry is an ordinary folder of
    // the listed folder: no link, junction or mount point, so it cannot lead
    // to a folder met elsewhere. False when in doubt.
    bool isPlainFolder = false;
    // A file holding data as far as the listing tells: no link, folder,
    // device or pipe (ConfirmedRegularFiles where the listing cannot tell).
    bool isRegularFile = false;
    // False when the platform could not report the name as it is on disk
    // (a character the code page lacks, or a look-alike put in its place),
    // so that the name leads to another entry or none.
    bool nameIsExact = true;
};

// Raised when a file that exists cannot be opened or read.
class FileException : public std::runtime_error {
public:
    FileException(std::string path, std::string cause);
    const std::string& Path() const { return path_; }
    const std::string& Cause() const { return cause_; }

private:
    std::string path_;
    std::string cause_;
};

// A file opened for reading, without sharing.
class ReadableFile {
public:
    virtual ~ReadableFile() = default;
    // Reads up to `capacity` bytes; returns 0 at the end of the file.
    // Throws FileException on a read error.
    virtual std::size_t Read(char* buffer, std::size_t capacity) = 0;
};

// Identifies a folder independently of the path that reached it, so a walk
// through links can tell a folder it has already visited.
struct FolderIdentity {
    unsigned long long volume = 0;
    unsigned long long index = 0;
    // False where `volume` does not tell the host's file systems apart (under
    // Wine, where one serial stands for every file system of a drive), so
    // that two folders may share an identity: no folder may then be taken
    // for another by it.
    bool includesVolume = true;
    bool operator<(const FolderIdentity& other) const
    {
        return volume != other.volume ? volume < other.volume : index < other.index;
    }
    bool operator==(const FolderIdentity& other) const { return volume == other.volume && index == other.index; }
};

// What became of a move. Moved means the file is at the destination and gone
// from the source; anything else left both places as they were, with no
// partial copy behind.
struct MoveOutcome {
    enum class Status {
        Moved,
        SourceMissing,
        NotRegularFile,        // a link, folder, pipe or device stands at the name
        DestinationTaken,      // a file of that name, in any letter case
        DestinationIsSource,   // the destination folder leads back to the source
        Failed,                // any other cause, told by `systemReason`
    };
    Status status = Status::Failed;
    std::string systemReason;

    static MoveOutcome Done() { return {Status::Moved, {}}; }
    static MoveOutcome Refused(Status status) { return {status, {}}; }
    static MoveOutcome FailedBecause(std::string reason) { return {Status::Failed, std::move(reason)}; }
    bool Succeeded() const { return status == Status::Moved; }
};

// Why a move failed, in words that do not depend on the platform (except a
// cause only the platform can tell).
std::string DescribeMoveFailure(const MoveOutcome& outcome);

class FileSystem {
public:
    using EntryVisitor = std::function<void(const DirectoryEntry&)>;

    virtual ~FileSystem() = default;

    // How this platform spells the names of its files.
    virtual const Naming& Names() const = 0;

    // The separator this platform writes between path components.
    virtual char Separator() const = 0;

    // True when anything (file or folder) exists at the path.
    virtual bool Exists(const std::string& path) const = 0;

    // Visits every entry of the folder ("." and ".." included where the
    // platform lists them). Where there is no folder nothing is visited; a
    // folder that exists but cannot be opened or listed to its end (no
    // permission, a read error, a path too long for the platform) raises
    // FileException naming it, so that no panel in it goes unseen.
    virtual void Enumerate(const std::string& folder, const EntryVisitor& visit) const = 0;

    // Of the names of entries the folder's listing showed as regular files,
    // those that are: a platform whose listing cannot tell a link, pipe or
    // device from a file (Wine) looks at each entry itself, once.
    virtual std::vector<std::string> ConfirmedRegularFiles(const std::string&, std::vector<std::string> names) const
    {
        return names;
    }

    // Creates a folder; the outcome is not reported.
    virtual void CreateFolder(const std::string& path) = 0;

    // Moves the regular file at `from` (its exact spelling) to `to`, never
    // replacing anything there. The entry at `from` is looked at right before,
    // links not followed: anything but a regular file is refused. Between
    // volumes the file is copied under a new name beside `to`, put in place
    // once whole and only then removed from `from`; a copy that fails is
    // removed again.
    virtual MoveOutcome MoveRegularFile(const std::string& from, const std::string& to) = 0;

    // Opens an existing file for reading without sharing; throws FileException.
    virtual std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const = 0;

    // The path with its names spelt as they are on disk, to show it; as
    // given where that cannot be told.
    virtual std::string SpellingOnDisk(const std::string& path) const = 0;

    // The folder's identity, or nothing when it cannot be determined.
    virtual std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const = 0;
};

}  // namespace dalvorn
