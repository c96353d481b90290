#include "posix_file_system.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

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

bool SameFolder(const std::string& left, const std::string& right)
{
    if (left == right)
        return true;
    const auto leftIdentity = IdentityOf(left.empty() ? "." : left);
    const auto rightIdentity = IdentityOf(right.empty() ? "." : right);
    return leftIdentity && rightIdentity && leftIdentity->volume == rightIdentity->volume &&
           leftIdentity->index == rightIdentity->index;
}

// As on Windows, a destination spelt in any letter case is taken, unless the
// only such entry is the source itself (a rename that changes only case).
bool DestinationTaken(const PathParts& source, const PathParts& destination)
{
    const bool sameFolder = SameFolder(source.folder, destination.folder);
    for (const std::string& name : EntriesMatchingIgnoringCase(destination.folder, destination.name)) {
        if (!(sameFolder && name == source.name))
            return true;
    }
    return false;
}

// A folder that may exist but lies deeper than any path can reach must not
// pass for an empty one: the panels in it would go unseen.
void RequireReachable(const std::string& folder)
{
    struct stat status;
    if (lstat(folder.c_str(), &status) != 0 && errno == ENAMETOOLONG)
        throw FileException(folder, std::generic_category().message(ENAMETOOLONG));
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
        RequireReachable(folder);
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

bool PosixFileSystem::Move(const std::string& from, const std::string& to)
{
    const std::optional<std::string> sourcePath = ResolvePathIgnoringCase(from);
    const std::optional<PathParts> destination = ResolveParentIgnoringCase(to);
    if (!sourcePath || !destination || IsDotEntry(destination->name))
        return false;
    const PathParts source = SplitLastComponent(*sourcePath);
    if (DestinationTaken(source, *destination))
        return false;
    return RenameWithoutReplacing(*sourcePath, AppendComponent(destination->folder, destination->name));
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
