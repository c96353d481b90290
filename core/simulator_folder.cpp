#include "simulator_folder.h"

#include "file_system.h"
#include "plain_name.h"
#include "text_case.h"

namespace dalvorn {

const char kGaugeFolderName[] = "Gauges";
const char kUnusedFolderName[] = "unused";

std::string SimulatorFolderFromText(const FileSystem& fileSystem, const std::string& folderText)
{
    if (fileSystem.Names().EndsWithSeparator(folderText))
        return folderText.substr(0, folderText.size() - 1);
    return folderText;
}

std::string JoinPath(const FileSystem& fileSystem, const std::string& folder, const std::string& name)
{
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    path += fileSystem.Separator();
    path += name;
    return path;
}

bool HasGaugeExtension(const std::string& name)
{
    for (const std::string_view extension : kGaugeExtensions)
        if (name.size() >= extension.size() &&
            EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - extension.size()), extension))
            return true;
    return false;
}

bool IsGaugeFile(const FileSystem& fileSystem, const DirectoryEntry& entry)
{
    return entry.isRegularFile && HasGaugeExtension(entry.name) && HasPlainName(fileSystem, entry);
}

}  // namespace dalvorn
