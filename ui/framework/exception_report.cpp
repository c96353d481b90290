#include "exception_report.h"

#include <exception>
#include <new>

#include "win_app.h"

std::string AfxDescribeCurrentException()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to finish this command.";
    } catch (const std::exception& error) {
        return std::string("The command could not be finished:\n") + error.what();
    } catch (...) {
        return "The command could not be finished because of an unexpected error.";
    }
}

void AfxReportEscapedException(HWND owner) noexcept
{
    try {
        const std::string text = AfxDescribeCurrentException();
        ::MessageBoxA(owner, text.c_str(), AfxGetAppName().c_str(), MB_OK | MB_ICONSTOP);
    } catch (...) {
        // Not even the text could be built; say so in words that need no memory.
        ::MessageBoxA(owner, "The command could not be finished.", nullptr, MB_OK | MB_ICONSTOP);
    }
}
