#include "commands.h"

#include "console_owner_window.h"
#include "console_streams.h"
#include "core/file_error_report.h"
#include "core/file_system.h"
#include "core/gauge_restorer.h"
#include "core/messages.h"

namespace dalvorn {

int RunRestore(FileSystem& fileSystem, const CommandLine& line, const std::string& folder, const Console& console)
{
    ConsoleOwnerWindow owner(console.input, console.output, console.errors, false);
    RestoreResult result;
    try {
        result = RestoreGauges(fileSystem, folder, line.keys);
    } catch (const FileException& error) {
        ShowFileError(owner, error, kRestoreCaption);
        return 1;
    }
    if (!result.gaugeFolderFound) {
        owner.ShowError(kSimulatorFolderNotFound, kRestoreCaption);
        return 1;
    }
    for (const std::string& notice : result.notices)
        owner.ShowInformation(notice, kRestoreCaption);
    std::fprintf(console.output, "Restored: %zu\n", result.restored);
    for (const RestoreFailure& failure : result.failures)
        std::fprintf(console.output, "%s: %s\n", ConsoleText(failure.key).c_str(), ConsoleText(failure.reason).c_str());
    return result.failures.empty() ? 0 : 1;
}

}  // namespace dalvorn
