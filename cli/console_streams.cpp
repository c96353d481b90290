#include "console_streams.h"

#include <cstdio>

#include "core/gauge_list.h"
#include "core/text_case.h"
#include "core/text_encoding.h"

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

std::string ConsoleText(const std::string& nameText)
{
#ifdef _WIN32
    if (IsAscii(nameText))
        return nameText;
    const int length = static_cast<int>(nameText.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, nameText.data(), length, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_ACP, 0, nameText.data(), length, wide.data(), static_cast<int>(wide.size()));
    const int wideLength = static_cast<int>(wide.size());
    std::string utf8(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    return utf8;
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
