#include "console_streams.h"

#include <cstdio>

#include "core/gauge_list.h"
#include "core/text_case.h"
#include "core/text_encoding.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "platform/win32/win32_text.h"
#endif

namespace dalvorn {

void UseBinaryConsoleStreams()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Written anywhere but to a console, the output goes out in blocks, as
    // the C library does elsewhere; the Windows one would write it byte by
    // byte.
    DWORD mode;
    if (!GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout))), &mode))
        std::setvbuf(stdout, nullptr, _IOFBF, 64 * 1024);
#endif
}

std::string ConsoleText(const std::string& nameText)
{
#ifdef _WIN32
    return IsAscii(nameText) ? nameText : CodePageFromWide(CP_UTF8, WideFromCodePage(CP_ACP, nameText));
#else
    // Linux spells names in UTF-8, but a name that is none is read as
    // Windows-1252, as the keys made of it are.
    return IsAscii(nameText) ? nameText : Utf8ReadingStrayBytesAsWindows1252(nameText);
#endif
}

bool AllOutputWritten(std::FILE* stream)
{
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

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
