// The built Dalvorn.exe itself, started as its own process and driven from
// outside through its buttons, as a user drives it: a scan, a move of the
// gauges no panel names, the report. Usage: shipped_program_test DALVORN.EXE

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "resource.h"
#include "support/simulator_tree.h"
#include "window_driver.h"

namespace dalvorn::test_support {
namespace {

std::string programPath;

const char kMainCaption[] = "Dalvorn";
const char kReportCaption[] = "Moving Completed";

// Wine takes a host path only in its DOS form.
std::string WindowsPath(std::string path)
{
    if (path.empty() || path[0] != '/')
        return path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return "Z:" + path;
}

struct ProgramWindow {
    DWORD process;
    HWND window = nullptr;
};

BOOL CALLBACK FindMainDialog(HWND window, LPARAM sought)
{
    auto* program = reinterpret_cast<ProgramWindow*>(sought);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != program->process || !::IsWindowVisible(window) || WindowDriver::Text(window) != kMainCaption)
        return TRUE;
    program->window = window;
    return FALSE;
}

class RunningProgram {
public:
    explicit RunningProgram(const std::string& path)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        std::string commandLine = "\"" + path + "\"";
        started_ = ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                    &process_) != FALSE;
    }
    ~RunningProgram()
    {
        if (!started_)
            return;
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return started_; }

    HWND WaitForMainDialog() const
    {
        ProgramWindow sought{process_.dwProcessId};
        WindowDriver::WaitUntil([&] {
            ::EnumWindows(&FindMainDialog, reinterpret_cast<LPARAM>(&sought));
            return sought.window != nullptr;
        });
        return sought.window;
    }

    // The exit code, or STILL_ACTIVE when it does not end in time.
    DWORD WaitForExit() const
    {
        ::WaitForSingleObject(process_.hProcess, 30000);
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

// Text sent from another process leaves the buttons as they were until the
// program's queue runs empty again: a posted message makes that happen.
void TypeFolder(HWND dialog, const std::string& folder)
{
    HWND field = ::GetDlgItem(dialog, IDC_FOLDER);
    ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    ::PostMessageA(dialog, WM_NULL, 0, 0);
}

std::size_t TreeItemCount(HWND dialog)
{
    return static_cast<std::size_t>(::SendMessageA(::GetDlgItem(dialog, IDC_GAUGE_TREE), TVM_GETCOUNT, 0, 0));
}

TEST(ShippedProgram, ScansMovesTheUnusedGaugesReportsAndRestores)
{
    ASSERT_FALSE(programPath.empty()) << "usage: shipped_program_test DALVORN.EXE";
    SimulatorTree simulator;
    for (const char* gauge : {"Cessna.GAU", "radio.gau", "Unused_One.gau", "zeta.gau"})
        simulator.AddGauge(gauge);
    simulator.AddPanel("c172", "[Window00]\ngauge00=Cessna!Airspeed, 10, 20\n");
    simulator.WriteFile("Aircraft/Learjet 45/panel/panel.cfg", "gauge00=Radio!Nav, 0, 0\n");

    RunningProgram program(WindowsPath(programPath));
    ASSERT_TRUE(program.Started()) << programPath;
    const HWND dialog = program.WaitForMainDialog();
    ASSERT_NE(dialog, nullptr) << "the main dialog did not open";
    WindowDriver driver(::GetWindowThreadProcessId(dialog, nullptr));

    TypeFolder(dialog, simulator.Root());
    ASSERT_TRUE(WindowDriver::WaitUntil([&] { return ::IsWindowEnabled(::GetDlgItem(dialog, IDC_SCAN)) != FALSE; }));
    WindowDriver::Click(dialog, IDC_SCAN);
    ASSERT_TRUE(WindowDriver::WaitUntil([&] { return TreeItemCount(dialog) == 4; })) << TreeItemCount(dialog);

    WindowDriver::Click(dialog, IDC_MOVE_SELECTED);
    const MessageBoxSeen question = driver.WaitForMessageBox("Remove");
    ASSERT_NE(question.window, nullptr) << "Move Selected asked nothing";
    WindowDriver::Answer(question, IDYES);
    const HWND report = driver.WaitForWindow(kReportCaption);
    ASSERT_NE(report, nullptr) << "no report";
    EXPECT_EQ(WindowDriver::Text(::GetDlgItem(report, IDC_TOTAL)), "4");
    EXPECT_EQ(WindowDriver::Text(::GetDlgItem(report, IDC_MOVED)), "2");
    EXPECT_EQ(WindowDriver::Text(::GetDlgItem(report, IDC_LEFT)), "2");
    EXPECT_EQ(simulator.NamesIn("Gauges/unused"), (std::vector<std::string>{"unused_one.gau", "zeta.gau"}));
    EXPECT_EQ(simulator.NamesIn("Gauges"), (std::vector<std::string>{"Cessna.GAU", "radio.gau", "unused"}));
    EXPECT_EQ(TreeItemCount(dialog), 2u);

    WindowDriver::Click(report, IDOK);
    ASSERT_TRUE(driver.WaitUntilGone(kReportCaption));

    // An aircraft installed since needs zeta.gau: Restore Gauges... ticks it.
    simulator.AddPanel("Extra", "gauge00=Zeta!Tach, 1, 2\n");
    ::PostMessageA(dialog, WM_SYSCOMMAND, IDM_RESTORE, 0);
    const HWND restore = driver.WaitForWindow("Restore Gauges");
    ASSERT_NE(restore, nullptr) << "no Restore Gauges dialog";
    ASSERT_TRUE(WindowDriver::WaitUntil(
        [&] { return ::IsWindowEnabled(::GetDlgItem(restore, IDC_RESTORE_SELECTED)) != FALSE; }));
    WindowDriver::Click(restore, IDC_RESTORE_SELECTED);
    const HWND restoreReport = driver.WaitForWindow("Restoring Completed");
    ASSERT_NE(restoreReport, nullptr) << "no restore report";
    EXPECT_EQ(WindowDriver::Text(::GetDlgItem(restoreReport, IDC_TOTAL)), "2");
    EXPECT_EQ(WindowDriver::Text(::GetDlgItem(restoreReport, IDC_MOVED)), "1");
    EXPECT_EQ(WindowDriver::Text(::GetDlgItem(restoreReport, IDC_LEFT)), "1");
    EXPECT_EQ(simulator.NamesIn("Gauges/unused"), std::vector<std::string>{"unused_one.gau"});
    EXPECT_TRUE(simulator.ExistsExactly("Gauges/zeta.gau"));
    WindowDriver::Click(restoreReport, IDOK);
    ASSERT_TRUE(driver.WaitUntilGone("Restoring Completed"));
    WindowDriver::Click(restore, IDCANCEL);
    ASSERT_TRUE(driver.WaitUntilGone("Restore Gauges"));
    EXPECT_TRUE(WindowDriver::WaitUntil([&] { return TreeItemCount(dialog) == 3; })) << TreeItemCount(dialog);

    ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace dalvorn::test_support

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        dalvorn::test_support::programPath = argv[1];
    return RUN_ALL_TESTS();
}
