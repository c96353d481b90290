#include "shell_execute_recorder.h"

#include <mutex>

namespace dalvorn::test_support {

namespace {

// Above 32: what the shell gives when it opened the file.
const auto kOpened = reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));

std::mutex requestsMutex;
std::vector<ShellRequest> requests;

std::optional<std::string> Given(LPCSTR text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace

ShellExecuteRecorder::ShellExecuteRecorder() : replaced_(ReplaceShellExecute(&ShellExecuteRecorder::Record))
{
    const std::lock_guard<std::mutex> lock(requestsMutex);
    requests.clear();
}

ShellExecuteRecorder::~ShellExecuteRecorder()
{
    ReplaceShellExecute(replaced_);
}

std::vector<ShellRequest> ShellExecuteRecorder::Requests()
{
    const std::lock_guard<std::mutex> lock(requestsMutex);
    return requests;
}

HINSTANCE WINAPI ShellExecuteRecorder::Record(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                              LPCSTR directory, INT show)
{
    const std::lock_guard<std::mutex> lock(requestsMutex);
    requests.push_back({owner, Given(verb), Given(file), Given(parameters), Given(directory), show});
    return kOpened;
}

}  // namespace dalvorn::test_support
