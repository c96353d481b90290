#include "gauge_list_output.h"

#include <string>

#include "console_streams.h"
#include "core/gauge_list.h"

namespace dalvorn {

void PrintGaugeList(const GaugeList& list, std::FILE* output)
{
    // A line is handed over whole: the Windows build's printf writes a
    // character at a time, each a call into the C library under its lock.
    std::string line;
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry)) {
        line.assign(list.IsChecked(entry) ? "[x] " : "[ ] ");
        line.append(ConsoleText(FormatGaugeLabel(list.Record(entry))).c_str());  // up to a NUL, as printf would
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), output);
    }
}

}  // namespace dalvorn
