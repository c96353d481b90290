#include "program_test.h"

#include <commctrl.h>

#include "framework/win_app.h"
#include "resource.h"

namespace dalvorn::test_support {

namespace {

const char kMainCaption[] = "Dalvorn";
const char kReportCaption[] = "Moving Completed";

}  // namespace

const Lines kScannedLines = {
    "[ ] cessna.gau (Used By: c172)",
    "[ ] magnetic_compass.gau (Used By: c172)",
    "[x] my gauge.gau (Used By: )",
    "[ ] radio.gau (Used By: Learjet 45)",
    "[x] unused_one.gau (Used By: )",
    "[x] zeta.gau (Used By: )",
};

ProgramTest::ProgramTest()
{
    simulator.AddGauge("Cessna.GAU");
    simulator.AddGauge("magnetic_compass.gau");
    simulator.AddGauge("my gauge.gau");
    simulator.AddGauge("radio.gau");
    simulator.AddGauge("Unused_One.gau");
    simulator.AddGauge("zeta.gau");
    simulator.AddPanel("c172", "[Window00]\ngauge00=Cessna!Airspeed, 10, 20\ngauge01=Magnetic_Compass, 1, 2\n");
    simulator.WriteFile("Aircraft/Learjet 45/panel/panel.cfg", "gauge00=Radio!Nav, 0, 0\n");
}

void ProgramTest::RunProgram(const std::function<void(WindowDriver&, HWND)>& script)
{
    BOOL result = TRUE;
    RunWithDriver([&] { result = AfxGetApp()->InitInstance(); },
                  [&](WindowDriver& driver) {
                      HWND dialog = driver.WaitForWindow(kMainCaption);
                      ASSERT_NE(dialog, nullptr) << "the main dialog did not open";
                      script(driver, dialog);
                  });
    EXPECT_FALSE(result) << "the program must end when the dialog closes";
}

HWND ProgramTest::Tree(HWND dialog)
{
    return ::GetDlgItem(dialog, IDC_GAUGE_TREE);
}

HWND ProgramTest::Field(HWND dialog)
{
    return ::GetDlgItem(dialog, IDC_FOLDER);
}

void ProgramTest::SetField(HWND dialog, const std::string& text)
{
    ::SendMessageA(Field(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool ProgramTest::WaitForLines(HWND dialog, const Lines& expected)
{
    return WindowDriver::WaitUntil([&] { return WindowDriver::TreeLines(Tree(dialog)) == expected; });
}

void ProgramTest::Scan(HWND dialog)
{
    WindowDriver::Click(dialog, IDC_SCAN);
    EXPECT_TRUE(WaitForLines(dialog, kScannedLines)) << testing::PrintToString(WindowDriver::TreeLines(Tree(dialog)));
}

void ProgramTest::MoveConfirmed(WindowDriver& driver, HWND dialog)
{
    WindowDriver::Click(dialog, IDC_MOVE_SELECTED);
    MessageBoxSeen question = driver.WaitForMessageBox("Remove");
    ASSERT_NE(question.window, nullptr) << "Move Selected asked nothing";
    if (question.icon == BoxIcon::Warning) {
        WindowDriver::Answer(question, IDYES);
        question = driver.WaitForMessageBox("Remove", question.window);
        ASSERT_NE(question.window, nullptr) << "no question after the warning";
    }
    WindowDriver::Answer(question, IDYES);
}

MoveReportSeen ProgramTest::WaitForMoveReport(const WindowDriver& driver)
{
    MoveReportSeen report;
    report.window = driver.WaitForWindow(kReportCaption);
    if (!report.window)
        return report;
    report.total = WindowDriver::Text(::GetDlgItem(report.window, IDC_TOTAL));
    report.moved = WindowDriver::Text(::GetDlgItem(report.window, IDC_MOVED));
    report.left = WindowDriver::Text(::GetDlgItem(report.window, IDC_LEFT));
    report.destination = WindowDriver::Text(::GetDlgItem(report.window, IDC_DESTINATION));
    return report;
}

}  // namespace dalvorn::test_support
