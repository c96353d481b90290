#pragma once

#include <string>
#include <vector>

#include "core/gauge_list.h"

namespace dalvorn::test_support {

// The list as "[x] label" / "[ ] label" lines, in list order.
inline std::vector<std::string> ListLines(const GaugeList& list)
{
    std::vector<std::string> lines;
    for (GaugeList::Entry entry = list.First(); entry; entry = list.Next(entry))
        lines.push_back((list.IsChecked(entry) ? "[x] " : "[ ] ") + FormatGaugeLabel(list.Record(entry)));
    return lines;
}

}  // namespace dalvorn::test_support
