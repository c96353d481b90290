#pragma once

#include <cstdio>

namespace dalvorn {

// Makes standard output and error write "\n" as it is on every platform, so
// the Windows build prints byte for byte what the Linux build prints, and
// buffers standard output when it is not a console.
void UseBinaryConsoleStreams();

// Flushes the stream; false when anything written to it was lost (a full
// disk, a closed stream), with errno telling why when it is known.
bool AllOutputWritten(std::FILE* stream);

}  // namespace dalvorn
