#include "commands.h"

#include "console_owner_window.h"
#include "core/gauge_restorer.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"

namespace dalvorn {

int RunRestore(FileSystem& fileSystem, const CommandLine& line, const std::string& folder, const Console& console)
{
    ConsoleOwnerWindow owner(console.input, console.output, console.errors, false);
    GaugeUsageTable unused;
    if (!ScanUnusedGauges(fileSystem, owner, folder, unused, false))
        return 1;
    // Listed without users, every gauge counts as unused: ticked when none
    // is named.
    MemoryGaugeList list;
    RenderUsageTable(fileSystem, unused, list, line.keys.empty() ? TickedGauges::Unused : TickedGauges::Used);
    for (const std::string& key : line.keys)
        TickListed(fileSystem, list, key, true);
    RestoreSelectedGauges(fileSystem, owner, folder, list);
    return owner.ErrorShown() ? 1 : 0;
}

}  // namespace dalvorn
