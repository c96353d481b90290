// dalvorn-dialog-bench FOLDER [ROUNDS]: times the main dialog's Scan, tree
// refill and repaint included, against the command-line scan of the same
// folder, both inside this process, so that neither carries the start-up.
//
// The dialog runs modally as in the program; a thread timer that fires in
// its modal loop fills the folder field and sends the Scan command, as a
// click would, round after round, alternating with the command-line scan.
// Prints one line per round, then the medians and the entries listed.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "dalvorn_app.h"
#include "framework/app_main.h"
#include "main_dialog.h"
#include "platform/native_file_system.h"
#include "resource.h"

// The application object the dialogs rely on, as the program has it.
CDalvornApp theApp;

namespace {

struct Run {
    std::string folder;
    int rounds = 5;
    std::vector<double> dialogSeconds;
    std::vector<double> consoleSeconds;
    long dialogEntries = -1;
    int consoleStatus = -1;
    std::string failure;
};

Run run;

// Where the command-line scan writes its list, as `> file` would.
std::string ConsoleOutputPath()
{
    char folder[MAX_PATH];
    ::GetTempPathA(sizeof(folder), folder);
    return std::string(folder) + "dalvorn-dialog-bench.out";
}

double SecondsOf(void (*work)(HWND), HWND dialog)
{
    const auto start = std::chrono::steady_clock::now();
    work(dialog);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A click on Scan, then the repaint the refill left pending.
void ScanInDialog(HWND dialog)
{
    const HWND scan = ::GetDlgItem(dialog, IDC_SCAN);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SCAN, BN_CLICKED), reinterpret_cast<LPARAM>(scan));
    ::UpdateWindow(dialog);
    ::UpdateWindow(::GetDlgItem(dialog, IDC_GAUGE_TREE));
}

// What `dalvorn-cli scan FOLDER > file` does once the process is up.
void ScanOnConsole(HWND)
{
    std::FILE* output = std::fopen(ConsoleOutputPath().c_str(), "wb");
    if (!output) {
        run.consoleStatus = -1;
        return;
    }
    const auto fileSystem = dalvorn::CreateNativeFileSystem();
    run.consoleStatus = dalvorn::RunScan(*fileSystem, run.folder, dalvorn::Console{stdin, output, stderr});
    std::fclose(output);
}

BOOL CALLBACK FindMainDialog(HWND window, LPARAM found)
{
    if (::GetDlgItem(window, IDC_SCAN) && ::GetDlgItem(window, IDC_GAUGE_TREE)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void TimeRounds(HWND dialog)
{
    ::SetDlgItemTextA(dialog, IDC_FOLDER, run.folder.c_str());
    // One warm-up of each, so both find the folder in the cache.
    SecondsOf(ScanInDialog, dialog);
    SecondsOf(ScanOnConsole, dialog);
    for (int round = 0; round < run.rounds; ++round) {
        run.dialogSeconds.push_back(SecondsOf(ScanInDialog, dialog));
        run.consoleSeconds.push_back(SecondsOf(ScanOnConsole, dialog));
    }
    run.dialogEntries = static_cast<long>(::SendDlgItemMessageA(dialog, IDC_GAUGE_TREE, TVM_GETCOUNT, 0, 0));
}

void CALLBACK OnDialogUp(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindMainDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) {
        run.failure = "the main dialog did not appear";
        return;
    }
    TimeRounds(dialog);
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::size_t LineCount(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 0;
    std::size_t lines = 0;
    for (int c; (c = std::fgetc(file)) != EOF;)
        lines += c == '\n';
    std::fclose(file);
    return lines;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: dalvorn-dialog-bench FOLDER [ROUNDS]\n");
        return 2;
    }
    run.folder = argv[1];
    if (argc > 2)
        run.rounds = std::max(1, std::atoi(argv[2]));

    const CFrameworkRuntime runtime;
    ::SetTimer(nullptr, 0, 0, OnDialogUp);
    CMainDialog dialog;
    theApp.m_pMainWnd = &dialog;
    dialog.DoModal();
    theApp.m_pMainWnd = nullptr;

    if (!run.failure.empty() || run.dialogSeconds.empty() || run.consoleStatus != 0) {
        std::fprintf(stderr, "dalvorn-dialog-bench: %s\n",
                     run.failure.empty() ? "a scan failed" : run.failure.c_str());
        return 1;
    }
    for (int round = 0; round < run.rounds; ++round)
        std::printf("round %d dialog %.4f console %.4f\n", round + 1, run.dialogSeconds[round],
                    run.consoleSeconds[round]);
    std::printf("median dialog %.4f\n", Median(run.dialogSeconds));
    std::printf("median console %.4f\n", Median(run.consoleSeconds));
    std::printf("entries dialog %ld\n", run.dialogEntries);
    std::printf("entries console %lu\n", static_cast<unsigned long>(LineCount(ConsoleOutputPath())));
    return 0;
}
