#include "commands.h"

#include "console_owner_window.h"
#include "console_streams.h"
#include "core/file_system.h"
#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"

namespace dalvorn {

void TickListed(const FileSystem& fileSystem, GaugeList& list, const std::string& key, bool checked)
{
    GaugeList::Entry entry = list.Find(fileSystem.Names().LowerCase(key));
    if (!entry)
        throw UsageError("no gauge '" + key + "' is listed");
    list.SetChecked(entry, checked);
}

int RunMove(FileSystem& fileSystem, const CommandLine& line, const std::string& folder, const Console& console)
{
    ConsoleOwnerWindow owner(console.input, console.output, console.errors, line.assumeYes);
    GaugeUsageTable table;
    MemoryGaugeList list;
    ScanSimulatorFolder(fileSystem, owner, folder, table, list);
    if (owner.ErrorShown())
        return 1;
    for (const std::string& key : line.keep)
        TickListed(fileSystem, list, key, false);
    for (const std::string& key : line.select)
        TickListed(fileSystem, list, key, true);
    MoveSelectedGauges(fileSystem, owner, folder, table, list);
    if (owner.ErrorShown())
        return 1;
    if (owner.ReportShown())
        PrintGaugeList(list, console.output);
    return 0;
}

}  // namespace dalvorn
