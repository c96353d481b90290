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

namespace dalvorn {

struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;
    // True only when the platform knows the entry is an ordinary folder of
    // the listed folder: no link, junction or mount point, so it cannot lead
    // to a folder met elsewhere. False when in doubt.
    bool isPlainFolder = false;
    // A file holding data, or a link that leads to one: no folder, device
    // or pipe.
    bool isRegularFile = false;
    // False when the platform could not report the name as it is on disk
    // (a character the code page lacks, or a look-alike put in its place),
    // so that the name leads to another entry or none.
    bool nameIsExact = true;
};

// The encoding of text read from a panel: the Windows code page (ANSI), or
// UTF-8 (a file that began with a byte-order mark).
enum class PanelTextEncoding { CodePage, Utf8 };

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

// Moves files from one source folder to one destination folder, each under
// the same name, for the length of one Move Selected or restore pass.
class MovePass {
public:
    virtual ~MovePass() = default;
    // Moves the source folder's entry `name` (found in any letter case) to
    // `name` in the destination folder. Never replaces a file of that name in
    // any letter case, never leaves a partial copy. When the destination is
    // another name of the source file itself (a hard link left by an
    // interrupted move), the move completes by removing the source's name.
    virtual MoveOutcome Move(const std::string& name) = 0;
};

// Tells the user something about a pass that stops nothing.
using MoveNotice = std::function<void(const std::string& text)>;

// What a pass tells when it removed the partial copies that interrupted
// moves left in a folder.
std::string RemovedLeftoversNotice(const std::string& folder, const std::vector<std::string>& names);

class FileSystem {
public:
    using EntryVisitor = std::function<void(const DirectoryEntry&)>;

    virtual ~FileSystem() = default;

    // The separator this platform writes between path components.
    virtual char Separator() const = 0;

    // True when anything (file or folder) exists at the path.
    virtual bool Exists(const std::string& path) const = 0;

    // Visits the folder's entries matching "*.gau" or "*.*" ("*.*" also
    // yields "." and ".."); a platform may visit every entry whatever the
    // pattern, so callers pick the names they want. Where there is no folder
    // nothing is visited; a folder that exists but cannot be opened or listed
    // to its end (no permission, a read error, a path too long for the
    // platform) raises FileException naming it, so that no panel in it goes
    // unseen.
    virtual void Enumerate(const std::string& folder, const std::string& pattern,
                           const EntryVisitor& visit) const = 0;

    // Creates a folder; the outcome is not reported.
    virtual void CreateFolder(const std::string& path) = 0;

    // A pass of moves from `source` into `destination` (both existing
    // folders). What the user should know about the pass (a leftover of an
    // interrupted move removed, a slower way taken), the platform tells
    // through `notice` before it returns.
    virtual std::unique_ptr<MovePass> OpenMovePass(const std::string& source, const std::string& destination,
                                                   const MoveNotice& notice) = 0;

    // Opens an existing file for reading without sharing; throws FileException.
    virtual std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) const = 0;

    // The folder's identity, or nothing when it cannot be determined.
    virtual std::optional<FolderIdentity> IdentifyFolder(const std::string& path) const = 0;

    // Lower-cases a name in place as this platform's file lookup folds letter
    // case, so that equal keys name the same file.
    virtual void LowerCaseInPlace(std::string& text) const = 0;

    std::string LowerCase(std::string text) const
    {
        LowerCaseInPlace(text);
        return text;
    }

    // Panel text (whole characters) in the 8-bit text in which this platform
    // spells file names.
    virtual std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const = 0;

    // True when the byte starts a double-byte character of the code page
    // names are written in; the byte after it belongs to that character.
    virtual bool IsLeadByte(char) const { return false; }

    // True when the text's last character is the path separator (a trail
    // byte of a double-byte character does not count).
    virtual bool EndsWithSeparator(const std::string& text) const = 0;

    // True when one name comes before the other in the order of their
    // characters' Unicode numbers, which every platform shares whatever
    // bytes spell them. Names in UTF-8, as Linux spells them, are in that
    // order byte by byte.
    virtual bool NamePrecedes(const std::string& left, const std::string& right) const { return left < right; }
};

}  // namespace dalvorn
