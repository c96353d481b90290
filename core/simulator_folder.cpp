#include "simulator_folder.h"

#include "file_system.h"
#include "text_case.h"

namespace dalvorn {

std::string SimulatorFolderFromText(const FileSystem& fileSystem, const std::string& folderText)
{
    if (fileSystem.EndsWithSeparator(folderText))
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
    static const char kExtension[] = ".gau";
    const std::size_t length = sizeof(kExtension) - 1;
    if (name.size() < length)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        if (AsciiLower(name[name.size() - length + i]) != kExtension[i])
            return false;
    return true;
}

}  // namespace dalvorn
