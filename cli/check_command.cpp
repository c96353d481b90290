#include "commands.h"

#include "console_owner_window.h"
#include "console_streams.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "core/missing_gauge_check.h"
#include "core/simulator_folder.h"

namespace dalvorn {

namespace {

const int kSomethingMissing = 3;

// By ContainerState.
const char* const kStateWords[] = {"moved  ", "local  ", "missing"};

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

// A word as a POSIX shell takes it back, expanding nothing in it.
std::string Quoted(const std::string& word)
{
    if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-/") ==
                             std::string::npos)
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

int RunCheck(FileSystem& fileSystem, const std::string& folderText, const Console& console)
{
    ConsoleOwnerWindow owner(console.input, console.output, console.errors, false);
    const std::string folder = SimulatorFolderFromText(fileSystem, folderText);
    if (!fileSystem.Exists(folder)) {
        owner.ShowError(kScanFolderNotFound, kCheckCaption);
        return 1;
    }
    std::vector<MissingContainer> missing;
    try {
        missing = FindMissingContainers(fileSystem, folder);
    } catch (const FileException& error) {
        ShowFileError(owner, error, kCheckCaption);
        return 1;
    }
    std::string restoreCommand;
    for (const MissingContainer& container : missing) {
        std::fprintf(console.output, "%s %s (Needed By: %s)\n", kStateWords[static_cast<int>(container.state)],
                     ConsoleText(container.name).c_str(), ConsoleText(Joined(container.neededBy)).c_str());
        if (container.state == ContainerState::Moved)
            restoreCommand += " " + Quoted(container.name);
    }
    if (!restoreCommand.empty())
        std::fprintf(console.output, "To bring the moved gauges back: dalvorn-cli restore %s%s\n",
                     ConsoleText(Quoted(folderText)).c_str(), ConsoleText(restoreCommand).c_str());
    return missing.empty() ? 0 : kSomethingMissing;
}

}  // namespace dalvorn
