#include "win32_error_text.h"

#include <windows.h>

namespace dalvorn {

std::string Win32ErrorText(unsigned long errorCode)
{
    char buffer[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        errorCode, 0, buffer, sizeof(buffer), nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty())
        text = "System error " + std::to_string(errorCode);
    return text;
}

}  // namespace dalvorn
