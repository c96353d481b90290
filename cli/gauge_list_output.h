#pragma once

#include <cstdio>

namespace dalvorn {

class GaugeList;

// One line per entry in list order: "[x] label" when ticked, "[ ] label" when not.
void PrintGaugeList(const GaugeList& list, std::FILE* output);

}  // namespace dalvorn
