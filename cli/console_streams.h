#pragma once

#include <cstdio>
#include <string>

namespace dalvorn {

class GaugeList;

// Makes standard output and error write "\n" as it is on every platform, so
// the Windows build prints byte for byte what the Linux build prints, and
// buffers standard output when it is not a console.
void UseBinaryConsoleStreams();

// A name or path, held in the text the platform spells file names in, as
// the command line prints it: UTF-8 on every build, so that the Windows
// build prints byte for byte what the Linux build prints.
std::string ConsoleText(const std::string& nameText);

// Flushes the stream; false when anything written to it was lost (a full
// disk, a closed stream), with errno telling why when it is known.
bool AllOutputWritten(std::FILE* stream);

// One line per entry in list order: "[x] label" when ticked, "[ ] label"
// when not.
void PrintGaugeList(const GaugeList& list, std::FILE* output);

}  // namespace dalvorn
