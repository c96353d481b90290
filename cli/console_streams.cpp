#include "console_streams.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#endif

namespace dalvorn {

#ifdef _WIN32
namespace {
const std::size_t kOutputBufferSize = 64 * 1024;

bool IsConsole(int descriptor)
{
    DWORD mode;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor)), &mode) != FALSE;
}
}  // namespace
#endif

void UseBinaryConsoleStreams()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Written anywhere but to a console, the output goes out in blocks, as
    // the C library does elsewhere; the Windows one would write it byte by
    // byte.
    if (!IsConsole(_fileno(stdout)))
        std::setvbuf(stdout, nullptr, _IOFBF, kOutputBufferSize);
#endif
}

bool AllOutputWritten(std::FILE* stream)
{
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

}  // namespace dalvorn
