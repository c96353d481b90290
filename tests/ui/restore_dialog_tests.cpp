// Restore Gauges... driven through the system menu: the list of the unused
// folder, the ticks, the idle enabling of Restore Selected, the report and
// the main list refilled on closing.

#include <gtest/gtest.h>

#include <windows.h>

#include "framework/win_app.h"
#include "program_test.h"
#include "registry_value_scope.h"
#include "resource.h"

namespace dalvorn::test_support {
namespace {

const char kRestoreCaption[] = "Restore Gauges";

class RestoreDialogTest : public ProgramTest {
protected:
    // Scans, moves the unused gauges (my gauge, unused_one, zeta) and
    // closes the report.
    static void ScanAndMove(WindowDriver& driver, HWND dialog)
    {
        Scan(dialog);
        MoveConfirmed(driver, dialog);
        const MoveReportSeen report = WaitForMoveReport(driver);
        ASSERT_NE(report.window, nullptr);
        WindowDriver::Click(report.window, IDOK);
        ASSERT_TRUE(driver.WaitUntilGone("Moving Completed"));
    }

    static HWND OpenRestore(const WindowDriver& driver, HWND dialog)
    {
        ::PostMessageA(dialog, WM_SYSCOMMAND, IDM_RESTORE, 0);
        return driver.WaitForWindow(kRestoreCaption);
    }

    static HWND RestoreTree(HWND restore) { return ::GetDlgItem(restore, IDC_RESTORE_TREE); }
};

TEST_F(RestoreDialogTest, BringsBackTheGaugesPanelsUseAndRefillsTheList)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        ScanAndMove(driver, dialog);
        // An aircraft installed since needs one of the moved gauges.
        simulator.AddPanel("Extra", "gauge00=Zeta!Tach, 1, 2\n");

        const HWND restore = OpenRestore(driver, dialog);
        ASSERT_NE(restore, nullptr);
        EXPECT_EQ(::GetWindow(restore, GW_OWNER), dialog);
        EXPECT_EQ(WindowDriver::TreeLines(RestoreTree(restore)),
                  (Lines{"[ ] my gauge.gau (Used By: )", "[ ] unused_one.gau (Used By: )",
                         "[x] zeta.gau (Used By: Extra)"}));

        // Restore Selected follows the ticks at idle time.
        driver.WaitForIdleUpdate(restore);
        EXPECT_TRUE(WindowDriver::IsEnabled(restore, IDC_RESTORE_SELECTED));
        WindowDriver::ToggleTick(RestoreTree(restore), "zeta.gau");
        driver.WaitForIdleUpdate(restore);
        EXPECT_FALSE(WindowDriver::IsEnabled(restore, IDC_RESTORE_SELECTED));
        WindowDriver::ToggleTick(RestoreTree(restore), "zeta.gau");
        WindowDriver::ToggleTick(RestoreTree(restore), "unused_one.gau");
        driver.WaitForIdleUpdate(restore);
        EXPECT_TRUE(WindowDriver::IsEnabled(restore, IDC_RESTORE_SELECTED));

        WindowDriver::Click(restore, IDC_RESTORE_SELECTED);
        const HWND report = driver.WaitForWindow("Restoring Completed");
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(::GetWindow(report, GW_OWNER), restore);
        EXPECT_EQ(WindowDriver::Text(::GetDlgItem(report, IDC_TOTAL)), "3");
        EXPECT_EQ(WindowDriver::Text(::GetDlgItem(report, IDC_MOVED)), "2");
        EXPECT_EQ(WindowDriver::Text(::GetDlgItem(report, IDC_LEFT)), "1");
        EXPECT_EQ(WindowDriver::Text(::GetDlgItem(report, IDC_DESTINATION)), simulator.Root() + "\\Gauges\\");
        WindowDriver::Click(report, IDOK);
        ASSERT_TRUE(driver.WaitUntilGone("Restoring Completed"));
        EXPECT_EQ(WindowDriver::TreeLines(RestoreTree(restore)), Lines{"[ ] my gauge.gau (Used By: )"});
        EXPECT_EQ(simulator.NamesIn("Gauges/unused"), Lines{"my gauge.gau"});

        WindowDriver::Click(restore, IDCANCEL);
        ASSERT_TRUE(driver.WaitUntilGone(kRestoreCaption));
        EXPECT_TRUE(WaitForLines(dialog, {"[ ] cessna.gau (Used By: c172)", "[ ] magnetic_compass.gau (Used By: c172)",
                                          "[ ] radio.gau (Used By: Learjet 45)", "[x] unused_one.gau (Used By: )",
                                          "[ ] zeta.gau (Used By: Extra)"}))
            << testing::PrintToString(WindowDriver::TreeLines(Tree(dialog)));
    });
}

TEST_F(RestoreDialogTest, AnUnreadablePanelOpensNoList)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        ScanAndMove(driver, dialog);
        simulator.MakeFolder("Aircraft/Broken/panel.cfg");
        ::PostMessageA(dialog, WM_SYSCOMMAND, IDM_RESTORE, 0);
        const MessageBoxSeen box = driver.WaitForMessageBox("Restore");
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.text.rfind("Cannot read " + simulator.PathOf("Aircraft/Broken/panel.cfg") + ": ", 0), 0u)
            << box.text;
        WindowDriver::Answer(box, IDOK);
        EXPECT_TRUE(driver.WaitUntilGone("Restore"));
        EXPECT_EQ(driver.FindWindowByCaption(kRestoreCaption), nullptr);
        EXPECT_EQ(simulator.NamesIn("Gauges/unused").size(), 3u);
    });
}

}  // namespace
}  // namespace dalvorn::test_support
