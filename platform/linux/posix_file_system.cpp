#include "posix_file_system.h"

#include <sys/stat.h>

#include "case_insensitive_path.h"
#include "core/text_case.h"
#include "core/text_encoding.h"
#include "folder_listing.h"
#include "platform/native_file_system.h"
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

// Names in UTF-8, as Wine writes them, folded as Windows folds letter case.
class PosixNaming : public Naming {
public:
    void LowerCaseInPlace(std::string& text) const override { FoldNameCaseInPlace(text); }
    std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const override
    {
        return Utf8FromPanelText(encoding, text);
    }
    bool EndsWithSeparator(const std::string& text) const override { return !text.empty() && text.back() == '/'; }
};

const PosixNaming kNaming;

}  // namespace

const Naming& PosixFileSystem::Names() const
{
    return kNaming;
}

bool PosixFileSystem::Exists(const std::string& path) const
{
    return ResolvePathIgnoringCase(path).has_value();
}

void PosixFileSystem::Enumerate(const std::string& folder, const EntryVisitor& visit) const
{
    if (folder.empty())
        return;
    // The exact spelling is tried first; only when it fails is the path
    // looked up without regard to case.
    std::optional<std::vector<DirectoryEntry>> entries = ListFolder(folder);
    if (!entries) {
        const std::optional<std::string> diskPath = ResolvePathIgnoringCase(folder);
        if (diskPath && *diskPath != folder)
            entries = ListFolder(*diskPath);
    }
    // Listed completely before the first visit, so a visitor that walks
    // deeper never holds this folder open.
    if (entries)
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

std::unique_ptr<ReadableFile> PosixFileSystem::OpenForReading(const std::string& path) const
{
    // The exact spelling is tried first; only when nothing is there is the
    // path looked up without regard to case.
    if (std::unique_ptr<ReadableFile> file = OpenRegularFile(path, path, true))
        return file;
    return OpenRegularFile(ExistingSpelling(path), path);
}

std::string PosixFileSystem::SpellingOnDisk(const std::string& path) const
{
    return ExistingSpelling(path);
}

std::optional<FolderIdentity> PosixFileSystem::IdentifyFolder(const std::string& path) const
{
    if (std::optional<FolderIdentity> identity = IdentityOf(path))
        return identity;
    const std::optional<std::string> diskPath = ResolvePathIgnoringCase(path);
    return diskPath && *diskPath != path ? IdentityOf(*diskPath) : std::nullopt;
}

std::unique_ptr<FileSystem> CreateNativeFileSystem()
{
    return std::make_unique<PosixFileSystem>();
}

}  // namespace dalvorn
