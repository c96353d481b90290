#include "commands.h"

#include "core/gauge_restorer.h"
#include "core/messages.h"

namespace dalvorn {

int RunRestore(FileSystem& fileSystem, const CommandLine& line, const std::string& folder, const Console& console)
{
    const RestoreResult result = RestoreGauges(fileSystem, folder, line.keys);
    if (!result.gaugeFolderFound) {
        std::fprintf(console.errors, "%s: %s\n", kRestoreCaption, kSimulatorFolderNotFound);
        return 1;
    }
    for (const std::string& notice : result.notices)
        std::fprintf(console.errors, "%s: %s\n", kRestoreCaption, notice.c_str());
    std::fprintf(console.output, "Restored: %zu\n", result.restored);
    for (const RestoreFailure& failure : result.failures)
        std::fprintf(console.output, "%s: %s\n", failure.key.c_str(), failure.reason.c_str());
    return result.failures.empty() ? 0 : 1;
}

}  // namespace dalvorn
