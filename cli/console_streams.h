#pragma once

namespace dalvorn {

// Makes standard output and error write "\n" as it is on every platform, so
// the Windows build prints byte for byte what the Linux build prints, and
// buffers standard output when it is not a console.
void UseBinaryConsoleStreams();

}  // namespace dalvorn
