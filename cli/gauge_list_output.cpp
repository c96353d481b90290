#include "gauge_list_output.h"

#include "core/gauge_list.h"

namespace dalvorn {

void PrintGaugeList(const GaugeList& list, std::FILE* output)
{
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
        std::fprintf(output, "%s %s\n", list.IsChecked(entry) ? "[x]" : "[ ]", list.Label(entry).c_str());
}

}  // namespace dalvorn
