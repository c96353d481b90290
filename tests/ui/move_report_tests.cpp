// The move report: its template, the four texts it shows, and how the main
// dialog opens it after a completed move pass.

#include <gtest/gtest.h>

#include <windows.h>

#include "dialog_geometry.h"
#include "framework/win_app.h"
#include "move_report_dialog.h"
#include "program_test.h"
#include "registry_value_scope.h"
#include "resource.h"

namespace dalvorn::test_support {
namespace {

const char kReportCaption[] = "Moving Completed";

const std::vector<TemplateControl> kReportTemplate = {
    {IDOK, "Button", "OK", {178, 6, 50, 14}, BS_DEFPUSHBUTTON, WS_TABSTOP},
    {IDC_STATIC, "Button", "Statistics: ", {6, 4, 163, 52}, BS_GROUPBOX, 0},
    {IDC_STATIC, "Static", "Total Gauges Found:", {15, 19, 80, 10}, SS_RIGHT, 0},
    {IDC_STATIC, "Static", "Unused Gauges Moved:", {15, 31, 80, 10}, SS_RIGHT, 0},
    {IDC_STATIC, "Static", "Used Gauges Left:", {15, 42, 80, 10}, SS_RIGHT, 0},
    {IDC_TOTAL, "Static", "12", {99, 19, 32, 9}, SS_LEFT, 0},
    {IDC_MOVED, "Static", "5", {99, 31, 32, 9}, SS_LEFT, 0},
    {IDC_LEFT, "Static", "7", {99, 42, 32, 9}, SS_LEFT, 0},
    {IDC_DONATE, "Static", nullptr, {94, 104, 49, 27}, SS_BITMAP, SS_NOTIFY},
    {IDC_STATIC, "Static", "Please support this program using PayPal:", {48, 92, 132, 8}, SS_CENTER, 0},
    {IDC_STATIC, "Static", "Unused gauges were moved to:", {6, 58, 162, 9}, SS_LEFT, 0},
    {IDC_DESTINATION, "Static", "C:\\FS2002\\gauges\\unused\\", {6, 67, 224, 9}, SS_LEFT, SS_SUNKEN | SS_PATHELLIPSIS},
    {IDC_STATIC, "Button", "", {4, 84, 226, 49}, BS_GROUPBOX, 0},
};

// Runs a report on its own while `script` looks at it.
void RunReport(const std::function<void(WindowDriver&, HWND)>& script)
{
    CMoveReportDialog report;
    report.m_total = "12";
    report.m_left = "7";
    report.m_moved = "5";
    report.m_destination = "C:\\FS2002\\gauges\\unused\\";
    RunWithDriver([&] { report.DoModal(); },
                  [&](WindowDriver& driver) {
                      HWND window = driver.WaitForWindow(kReportCaption);
                      ASSERT_NE(window, nullptr) << "the report did not open";
                      script(driver, window);
                  });
}

TEST(MoveReportDialog, ShowsItsTextsInTheControlsOfTheTemplate)
{
    RunReport([](WindowDriver&, HWND report) {
        ExpectControlsInTemplateOrder(report, IDD_MOVE_REPORT, kReportTemplate);
        EXPECT_EQ(::SendMessageA(report, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
        const SIZE image = ShownBitmapSize(::GetDlgItem(report, IDC_DONATE));
        EXPECT_EQ(image.cx, 73);
        EXPECT_EQ(image.cy, 44);
    });
}

TEST(MoveReportDialog, IsAFixedSizeDialogWithCaptionAndSystemMenu)
{
    RunReport([](WindowDriver& driver, HWND report) {
        ExpectFixedSizeDialog(report, 238, 138);
        EXPECT_EQ(driver.Focus(), ::GetDlgItem(report, IDOK));
    });
}

class MoveReportTest : public ProgramTest {};

TEST_F(MoveReportTest, ACompletedPassReportsTheCountsAndTheDestinationOverTheDisabledMainDialog)
{
    const RegistryValueScope registered(simulator.Root() + "\\");
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        WindowDriver::ToggleTick(Tree(dialog), "zeta.gau");
        MoveConfirmed(driver, dialog);

        const MoveReportSeen report = WaitForMoveReport(driver);
        ASSERT_NE(report.window, nullptr);
        EXPECT_EQ(report.total, "6");
        EXPECT_EQ(report.moved, "2");
        EXPECT_EQ(report.left, "4");
        EXPECT_EQ(std::stoi(report.moved), std::stoi(report.total) - std::stoi(report.left));
        // One trailing backslash of the folder is dropped; the destination keeps its own.
        EXPECT_EQ(report.destination, simulator.Root() + "\\Gauges\\unused\\");
        EXPECT_EQ(simulator.NamesIn("Gauges/unused"), (Lines{"my gauge.gau", "unused_one.gau"}));

        EXPECT_EQ(::GetWindow(report.window, GW_OWNER), dialog);
        EXPECT_FALSE(::IsWindowEnabled(dialog));
        WindowDriver::Click(report.window, IDOK);
        EXPECT_TRUE(driver.WaitUntilGone(kReportCaption));
        EXPECT_TRUE(WindowDriver::WaitUntil([&] { return ::IsWindowEnabled(dialog) != FALSE; }));
        EXPECT_TRUE(WaitForLines(dialog, {"[ ] cessna.gau (Used By: c172)", "[ ] magnetic_compass.gau (Used By: c172)",
                                          "[ ] radio.gau (Used By: Learjet 45)", "[ ] zeta.gau (Used By: )"}));
    });
}

TEST_F(MoveReportTest, APassThatMovedNothingReportsMovedZero)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        for (const char* unused : {"my gauge.gau", "unused_one.gau", "zeta.gau"})
            WindowDriver::ToggleTick(Tree(dialog), unused);
        MoveConfirmed(driver, dialog);

        const MoveReportSeen report = WaitForMoveReport(driver);
        ASSERT_NE(report.window, nullptr);
        EXPECT_EQ(report.total, "6");
        EXPECT_EQ(report.moved, "0");
        EXPECT_EQ(report.left, "6");
        EXPECT_EQ(report.destination.back(), '\\');
        WindowDriver::PressKey(::GetDlgItem(report.window, IDOK), VK_ESCAPE);
        EXPECT_TRUE(driver.WaitUntilGone(kReportCaption));
        EXPECT_EQ(WindowDriver::TreeLines(Tree(dialog)).size(), kScannedLines.size());
        EXPECT_TRUE(simulator.NamesIn("Gauges/unused").empty());
    });
}

}  // namespace
}  // namespace dalvorn::test_support
