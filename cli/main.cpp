// dalvorn-cli: the scan, the move and its undo from a console.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"
#include "console_streams.h"
#include "core/file_system.h"
#include "platform/native_file_system.h"
#include "platform/registered_simulator_folder.h"

namespace {

using namespace dalvorn;

bool IsExistingFolder(const std::string& word)
{
    return CreateNativeFileSystem()->IdentifyFolder(word).has_value();
}

int Run(const CommandLine& line, const Console& console)
{
    if (line.command == Command::Help || line.command == Command::Version) {
        std::fputs(line.command == Command::Help ? kUsageText : VersionText().c_str(), console.output);
        return 0;
    }
    const std::optional<std::string> folder = line.folder ? line.folder : FindRegisteredSimulatorFolder();
    if (!folder) {
        std::fprintf(console.errors, "dalvorn-cli: no folder was given and no registered simulator folder was found\n");
        return 1;
    }
    auto fileSystem = CreateNativeFileSystem();
    switch (line.command) {
    case Command::Scan:
        return RunScan(*fileSystem, *folder, console);
    case Command::Move:
        return RunMove(*fileSystem, line, *folder, console);
    case Command::Check:
        return RunCheck(*fileSystem, *folder, console);
    default:
        return RunRestore(*fileSystem, line, *folder, console);
    }
}

int RunCommandLine(const std::vector<std::string>& words, const Console& console)
{
    try {
        return Run(ParseCommandLine(words, IsExistingFolder), console);
    } catch (const UsageError& error) {
        std::fputs(UsageErrorText(error).c_str(), console.errors);
        return 2;
    }
}

// A list or report cut short must not pass for a whole one.
int StatusAfterOutput(int status, const Console& console)
{
    errno = 0;
    if (AllOutputWritten(console.output))
        return status;
    std::fprintf(console.errors, "dalvorn-cli: cannot write the output: %s\n",
                 errno != 0 ? std::strerror(errno) : "write error");
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    UseBinaryConsoleStreams();
    const Console console{stdin, stdout, stderr};
    const int status = RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), console);
    return StatusAfterOutput(status, console);
}
