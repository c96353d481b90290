#pragma once
// Stands in for the shell while it lives: what the program asks the shell
// to open is recorded, and no browser starts.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "donation_link.h"

namespace dalvorn::test_support {

struct ShellRequest {
    HWND owner = nullptr;
    std::optional<std::string> verb;  // nothing: no verb, the default action
    std::optional<std::string> file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int show = 0;
};

class ShellExecuteRecorder {
public:
    ShellExecuteRecorder();
    ~ShellExecuteRecorder();
    ShellExecuteRecorder(const ShellExecuteRecorder&) = delete;
    ShellExecuteRecorder& operator=(const ShellExecuteRecorder&) = delete;

    // The requests so far, oldest first.
    static std::vector<ShellRequest> Requests();

private:
    static HINSTANCE WINAPI Record(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                   INT show);

    ShellExecuteFunction replaced_;
};

}  // namespace dalvorn::test_support
