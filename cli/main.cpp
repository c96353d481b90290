// dalvorn-cli: the scan, the move and its undo from a console.

#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "console_streams.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "file_error_output.h"
#include "platform/native_file_system.h"
#include "platform/registered_simulator_folder.h"

namespace {

using namespace dalvorn;

bool IsExistingFolder(const std::string& word)
{
    return CreateNativeFileSystem()->IdentifyFolder(word).has_value();
}

const char* CaptionOf(Command command)
{
    switch (command) {
    case Command::Move:
        return kRemoveCaption;
    case Command::Restore:
        return kRestoreCaption;
    default:
        return kScanCaption;
    }
}

int Run(const CommandLine& line, const Console& console)
{
    if (line.command == Command::Help) {
        std::fputs(kUsageText, console.output);
        return 0;
    }
    if (line.command == Command::Version) {
        std::fputs(VersionText().c_str(), console.output);
        return 0;
    }
    const std::optional<std::string> folder = line.folder ? line.folder : FindRegisteredSimulatorFolder();
    if (!folder) {
        std::fprintf(console.errors, "dalvorn-cli: no folder was given and no registered simulator folder was found\n");
        return 1;
    }
    auto fileSystem = CreateNativeFileSystem();
    try {
        switch (line.command) {
        case Command::Scan:
            return RunScan(*fileSystem, *folder, console);
        case Command::Move:
            return RunMove(*fileSystem, line, *folder, console);
        default:
            return RunRestore(*fileSystem, line, *folder, console);
        }
    } catch (const FileException& error) {
        return ReportUnreadableFile(CaptionOf(line.command), error, console.errors);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    UseBinaryConsoleStreams();
    const Console console{stdin, stdout, stderr};
    try {
        return Run(ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), IsExistingFolder), console);
    } catch (const UsageError& error) {
        std::fputs(UsageErrorText(error).c_str(), stderr);
        return 2;
    }
}
