#include "commands.h"

#include "console_owner_window.h"
#include "console_streams.h"
#include "core/folder_scan.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"

namespace dalvorn {

int RunScan(FileSystem& fileSystem, const std::string& folder, const Console& console)
{
    ConsoleOwnerWindow owner(console.input, console.output, console.errors, false);
    GaugeUsageTable table;
    MemoryGaugeList list;
    ScanSimulatorFolder(fileSystem, owner, folder, table, list);
    if (owner.ErrorShown())
        return 1;
    PrintGaugeList(list, console.output);
    return 0;
}

}  // namespace dalvorn
