#include "posix_file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "case_insensitive_path.h"
#include "core/text_case.h"
#include "core/text_encoding.h"
#include "folder_listing.h"
#include "name_order.h"
#include "no_replace_rename.h"
#include "posix_readable_file.h"

namespace dalvorn {

namespace {

std::optional<FolderIdentity> IdentityOf(const std::string& diskPath)
{
    struct stat status;
    if (stat(diskPath.c_str(), &status) != 0)
        return std::nullopt;
    return FolderIdentity{static_cast<unsigned long long>(status.st_dev),
                          static_cast<unsigned long long>(status.st_ino)};
}

bool SameFile(const struct stat& left, const struct stat& right)
{
    return left.st_dev == right.st_dev && left.st_ino == right.st_ino;
}

// True when the destination folder leads back to the source's own folder by
// another path (a link), or names the source itself: nothing could move.
bool DestinationIsSource(const PathParts& source, const PathParts& destination, FolderNameIndex& index)
{
    if (source.folder == destination.folder)
        return source.name == destination.name;
    const auto sourceFolder = index.IdentityOf(source.folder);
    return sourceFolder && sourceFolder == index.IdentityOf(destination.folder);
}

// The entries that stand in the destination's way: any spelling of its
// name, except the source itself when the move only changes its case.
std::vector<std::string> EntriesInTheWay(const PathParts& source, const PathParts& destination,
                                         FolderNameIndex& index)
{
    std::vector<std::string> names = EntriesMatchingIgnoringCase(destination.folder, destination.name, &index);
    if (source.folder == destination.folder)
        names.erase(std::remove(names.begin(), names.end(), source.name), names.end());
    return names;
}

// True when every entry in the way is another name of the source file, as
// an interrupted move by linking leaves it.
bool OnlyLinksToTheSource(const std::string& sourcePath, const std::string& folder,
                          const std::vector<std::string>& names)
{
    struct stat source;
    if (lstat(sourcePath.c_str(), &source) != 0 || !S_ISREG(source.st_mode))
        return false;
    for (const std::string& name : names) {
        struct stat other;
        if (lstat(AppendComponent(folder, name).c_str(), &other) != 0 || !SameFile(source, other))
            return false;
    }
    return true;
}

MoveOutcome OutcomeOfFailedRename(int error)
{
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    case EXDEV:
        return MoveOutcome::FailedBecause("the destination folder is on another volume");
    default:
        return MoveOutcome::FailedBecause(std::strerror(error));
    }
}

}  // namespace

bool PosixFileSystem::Exists(const std::string& path) const
{
    return ResolvePathIgnoringCase(path).has_value();
}

void PosixFileSystem::Enumerate(const std::string& folder, const std::string& pattern,
                                const EntryVisitor& visit) const
{
    if (folder.empty())
        return;
    // The exact spelling is tried first; only when it fails is the path
    // looked up without regard to case.
    std::optional<std::vector<DirectoryEntry>> entries = ListFolder(folder, pattern);
    if (!entries) {
        const std::optional<std::string> diskPath = ResolvePathIgnoringCase(folder);
        if (!diskPath || *diskPath == folder)
            return;
        entries = ListFolder(*diskPath, pattern);
    }
    if (!entries)
        return;
    // Listed completely before the first visit, so a visitor that walks
    // deeper never holds this folder open.
    for (const DirectoryEntry& entry : *entries)
        visit(entry);
}

void PosixFileSystem::CreateFolder(const std::string& path)
{
    const std::optional<PathParts> target = ResolveParentIgnoringCase(path);
    if (!target || IsDotEntry(target->name) || FindEntryIgnoringCase(target->folder, target->name))
        return;
    mkdir(AppendComponent(target->folder, target->name).c_str(), 0777);
}

MoveOutcome PosixFileSystem::Move(const std::string& from, const std::string& to)
{
    index_.BeginOperation();
    const std::optional<std::string> sourcePath = ResolvePathIgnoringCase(from, &index_);
    if (!sourcePath)
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    std::optional<PathParts> destination = ResolveParentIgnoringCase(to, &index_);
    if (!destination || IsDotEntry(destination->name))
        return MoveOutcome::FailedBecause("the destination folder does not exist");
    const PathParts source = SplitLastComponent(*sourcePath);
    // A name that is no UTF-8 keeps its bytes; its key spells it in UTF-8.
    if (!IsValidUtf8(source.name) && SameNameIgnoringCase(source.name, destination->name))
        destination->name = source.name;
    const std::vector<std::string> inTheWay = EntriesInTheWay(source, *destination, index_);
    if (DestinationIsSource(source, *destination, index_))
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationIsSource);
    if (!inTheWay.empty()) {
        if (!OnlyLinksToTheSource(*sourcePath, destination->folder, inTheWay))
            return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
        // The file is at the destination already; only its old name is left.
        if (unlink(sourcePath->c_str()) != 0)
            return MoveOutcome::FailedBecause(std::strerror(errno));
        return MoveOutcome::Done();
    }
    const std::string target = AppendComponent(destination->folder, destination->name);
    if (!RenameWithoutReplacing(*sourcePath, target))
        return OutcomeOfFailedRename(errno);
    return MoveOutcome::Done();
}

std::unique_ptr<ReadableFile> PosixFileSystem::OpenForReading(const std::string& path) const
{
    // The exact spelling is tried first; only when nothing is there is the
    // path looked up without regard to case.
    if (std::unique_ptr<ReadableFile> file = PosixReadableFile::OpenIfPresent(path))
        return file;
    return std::make_unique<PosixReadableFile>(ExistingSpelling(path), path);
}

std::optional<FolderIdentity> PosixFileSystem::IdentifyFolder(const std::string& path) const
{
    if (std::optional<FolderIdentity> identity = IdentityOf(path))
        return identity;
    const std::optional<std::string> diskPath = ResolvePathIgnoringCase(path);
    if (!diskPath || *diskPath == path)
        return std::nullopt;
    return IdentityOf(*diskPath);
}

void PosixFileSystem::LowerCaseInPlace(std::string& text) const
{
    FoldNameCaseInPlace(text);
}

std::string PosixFileSystem::NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const
{
    return Utf8FromPanelText(encoding, text);
}

bool PosixFileSystem::EndsWithSeparator(const std::string& text) const
{
    return !text.empty() && text.back() == '/';
}

}  // namespace dalvorn
