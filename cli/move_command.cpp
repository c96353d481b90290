#include "commands.h"

#include "console_owner_window.h"
#include "core/file_system.h"
#include "core/folder_scan.h"
#include "core/gauge_mover.h"
#include "core/gauge_usage_table.h"
#include "core/memory_gauge_list.h"
#include "gauge_list_output.h"

namespace dalvorn {

namespace {

// Applies --keep and --select, whose keys match in any letter case, as the
// file system matches names; throws UsageError for a key that is not listed.
void ApplyTicks(const FileSystem& fileSystem, const CommandLine& line, MemoryGaugeList& list)
{
    auto tick = [&](const std::string& key, bool checked) {
        GaugeList::Entry entry = list.FindByKey(fileSystem.LowerCase(key));
        if (!entry)
            throw UsageError("no gauge '" + key + "' is listed");
        list.SetChecked(entry, checked);
    };
    for (const std::string& key : line.keep)
        tick(key, false);
    for (const std::string& key : line.select)
        tick(key, true);
}

}  // namespace

int RunMove(FileSystem& fileSystem, const CommandLine& line, const std::string& folder, const Console& console)
{
    ConsoleOwnerWindow owner(console.input, console.output, console.errors, line.assumeYes);
    GaugeUsageTable table;
    MemoryGaugeList list;
    ScanSimulatorFolder(fileSystem, owner, folder, table, list);
    if (owner.ErrorShown())
        return 1;
    ApplyTicks(fileSystem, line, list);
    MoveSelectedGauges(fileSystem, owner, folder, table, list);
    if (owner.ErrorShown())
        return 1;
    if (owner.ReportShown())
        PrintGaugeList(list, console.output);
    return 0;
}

}  // namespace dalvorn
