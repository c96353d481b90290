// The dialog framework on the program's own templates: the modal loop,
// data exchange, message maps, idle updates and the report of exceptions
// that escape a handler.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <new>
#include <stdexcept>

#include "framework/cmd_ui.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/framework_ids.h"
#include "framework/win_app.h"
#include "resource.h"
#include "window_driver.h"

namespace dalvorn::test_support {
namespace {

// The move report's template with its four texts, and a handler behind the
// donation image that runs whatever the test gives it.
class ReportTemplateDialog : public CDialog {
public:
    ReportTemplateDialog() : CDialog(IDD_MOVE_REPORT) {}

    std::string total = "7", moved = "3", left = "4", destination = "C:\\sim\\gauges\\unused\\";
    std::function<void()> onImageClick = [] {};

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_TOTAL, total);
        DDX_Text(pDX, IDC_LEFT, left);
        DDX_Text(pDX, IDC_MOVED, moved);
        DDX_Text(pDX, IDC_DESTINATION, destination);
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageMapEntry entries[] = {
            OnCommand<IDC_DONATE, &ReportTemplateDialog::OnImageClick>(),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }

private:
    void OnImageClick() { onImageClick(); }
};

// The main dialog's template with an update handler on Scan only.
class UpdatedDialog : public CDialog {
public:
    UpdatedDialog() : CDialog(IDD_DALVORN_DIALOG) {}

    bool scanEnabled = false;
    bool disableUnhandled = false;

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMapEntry entries[] = {
            OnMessage<WM_KICKIDLE, &UpdatedDialog::OnKickIdle>(),
            OnCommand<IDC_MOVE_SELECTED, &UpdatedDialog::OnMoveSelected>(),
            OnUpdateCommand<IDC_SCAN, &UpdatedDialog::OnUpdateScan>(),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }

private:
    void OnKickIdle() { UpdateDialogControls(this, disableUnhandled); }
    void OnMoveSelected() {}
    void OnUpdateScan(CCmdUI* pCmdUI) { pCmdUI->Enable(scanEnabled); }
};

void ClickImage(HWND dialog)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DONATE, STN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_DONATE)));
}

TEST(DialogFramework, DataExchangeFillsTheControlsAndReadsThemBackOnOk)
{
    ReportTemplateDialog dialog;
    INT_PTR result = 0;
    RunWithDriver([&] { result = dialog.DoModal(); },
                  [](WindowDriver& driver) {
                      HWND window = driver.WaitForWindow("Moving Completed");
                      ASSERT_NE(window, nullptr);
                      EXPECT_EQ(WindowDriver::Text(::GetDlgItem(window, IDC_TOTAL)), "7");
                      EXPECT_EQ(WindowDriver::Text(::GetDlgItem(window, IDC_MOVED)), "3");
                      EXPECT_EQ(WindowDriver::Text(::GetDlgItem(window, IDC_LEFT)), "4");
                      EXPECT_EQ(WindowDriver::Text(::GetDlgItem(window, IDC_DESTINATION)), "C:\\sim\\gauges\\unused\\");
                      ::SendMessageA(::GetDlgItem(window, IDC_TOTAL), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("8"));
                      WindowDriver::Click(window, IDOK);
                      EXPECT_TRUE(driver.WaitUntilGone("Moving Completed"));
                  });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.total, "8");
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DialogFramework, EscapeAndTheCloseBoxCancelWithoutReadingTheControls)
{
    for (const bool closeBox : {false, true}) {
        ReportTemplateDialog dialog;
        INT_PTR result = 0;
        RunWithDriver([&] { result = dialog.DoModal(); },
                      [closeBox](WindowDriver& driver) {
                          HWND window = driver.WaitForWindow("Moving Completed");
                          ASSERT_NE(window, nullptr);
                          ::SendMessageA(::GetDlgItem(window, IDC_TOTAL), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("9"));
                          if (closeBox)
                              ::PostMessageA(window, WM_CLOSE, 0, 0);
                          else
                              WindowDriver::PressKey(::GetDlgItem(window, IDOK), VK_ESCAPE);
                          EXPECT_TRUE(driver.WaitUntilGone("Moving Completed"));
                      });
        EXPECT_EQ(result, IDCANCEL) << (closeBox ? "close box" : "Escape");
        EXPECT_EQ(dialog.total, "7");
    }
}

TEST(DialogFramework, AnExceptionEscapingAHandlerIsReportedAndTheDialogStaysOpen)
{
    ReportTemplateDialog dialog;
    int clicks = 0;
    dialog.onImageClick = [&clicks] {
        if (++clicks == 1)
            throw std::bad_alloc();
        throw std::runtime_error("the disk went away");
    };
    RunWithDriver([&] { dialog.DoModal(); },
                  [](WindowDriver& driver) {
                      HWND window = driver.WaitForWindow("Moving Completed");
                      ASSERT_NE(window, nullptr);

                      ClickImage(window);
                      MessageBoxSeen box = driver.WaitForMessageBox(AfxGetAppName());
                      ASSERT_NE(box.window, nullptr);
                      EXPECT_EQ(box.text, "There is not enough memory to finish this command.");
                      EXPECT_EQ(box.icon, BoxIcon::Stop);
                      EXPECT_EQ(::GetWindow(box.window, GW_OWNER), window);
                      WindowDriver::Answer(box, IDOK);
                      ASSERT_TRUE(driver.WaitUntilGone(AfxGetAppName()));

                      ClickImage(window);
                      box = driver.WaitForMessageBox(AfxGetAppName());
                      ASSERT_NE(box.window, nullptr);
                      EXPECT_NE(box.text.find("the disk went away"), std::string::npos) << box.text;
                      WindowDriver::Answer(box, IDOK);
                      ASSERT_TRUE(driver.WaitUntilGone(AfxGetAppName()));

                      EXPECT_TRUE(::IsWindowVisible(window));
                      EXPECT_EQ(driver.FindWindowByCaption("Moving Completed"), window);
                  });
    EXPECT_EQ(clicks, 2);
}

TEST(DialogFramework, ANestedDialogIsOwnedByTheMainWindowWhichItDisablesMeanwhile)
{
    ReportTemplateDialog outer;
    INT_PTR nestedResult = 0;
    outer.onImageClick = [&nestedResult] {
        CDialog nested(IDD_ABOUTBOX);
        nestedResult = nested.DoModal();
    };
    AfxGetApp()->m_pMainWnd = &outer;
    RunWithDriver([&] { outer.DoModal(); },
                  [](WindowDriver& driver) {
                      HWND window = driver.WaitForWindow("Moving Completed");
                      ASSERT_NE(window, nullptr);
                      ClickImage(window);
                      HWND nested = driver.WaitForWindow("About Dalvorn");
                      ASSERT_NE(nested, nullptr);
                      EXPECT_EQ(::GetWindow(nested, GW_OWNER), window);
                      EXPECT_FALSE(::IsWindowEnabled(window));
                      WindowDriver::Click(nested, IDOK);
                      EXPECT_TRUE(driver.WaitUntilGone("About Dalvorn"));
                      EXPECT_TRUE(WindowDriver::WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
                  });
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_EQ(nestedResult, IDOK);
}

TEST(DialogFramework, IdleUpdateEnablesByHandlerAndPassesTheFocusOnFromADisabledControl)
{
    UpdatedDialog dialog;
    RunWithDriver([&] { dialog.DoModal(); },
                  [&dialog](WindowDriver& driver) {
                      HWND window = driver.WaitForWindow("Dalvorn");
                      ASSERT_NE(window, nullptr);
                      driver.WaitForIdleUpdate(window);
                      // Scan had the focus when the dialog opened and lost it with its enabled state.
                      EXPECT_FALSE(WindowDriver::IsEnabled(window, IDC_SCAN));
                      EXPECT_EQ(driver.Focus(), ::GetDlgItem(window, IDC_FOLDER));
                      EXPECT_TRUE(WindowDriver::IsEnabled(window, IDC_BROWSE));

                      dialog.scanEnabled = true;
                      dialog.disableUnhandled = true;
                      driver.WaitForIdleUpdate(window);
                      EXPECT_TRUE(WindowDriver::IsEnabled(window, IDC_SCAN));
                      EXPECT_FALSE(WindowDriver::IsEnabled(window, IDC_BROWSE));
                      EXPECT_TRUE(WindowDriver::IsEnabled(window, IDC_MOVE_SELECTED));
                  });
}

TEST(DialogFramework, AMissingTemplateGivesMinusOneAndLeavesTheOwnerEnabled)
{
    ReportTemplateDialog owner;
    std::atomic<INT_PTR> nestedResult{0};
    owner.onImageClick = [&nestedResult, &owner] {
        CDialog missing(4711, &owner);
        nestedResult = missing.DoModal();
    };
    RunWithDriver([&] { owner.DoModal(); },
                  [&nestedResult](WindowDriver& driver) {
                      HWND window = driver.WaitForWindow("Moving Completed");
                      ASSERT_NE(window, nullptr);
                      ClickImage(window);
                      EXPECT_TRUE(WindowDriver::WaitUntil([&] { return nestedResult != 0; }));
                      EXPECT_TRUE(::IsWindowEnabled(window));
                  });
    EXPECT_EQ(nestedResult, -1);
}

TEST(DialogFramework, QuitEndsTheModalLoopAndIsPassedOn)
{
    ReportTemplateDialog dialog;
    INT_PTR result = 0;
    const DWORD uiThread = ::GetCurrentThreadId();
    RunWithDriver([&] { result = dialog.DoModal(); },
                  [uiThread](WindowDriver& driver) {
                      ASSERT_NE(driver.WaitForWindow("Moving Completed"), nullptr);
                      ::PostThreadMessageA(uiThread, WM_QUIT, 5, 0);
                      EXPECT_TRUE(driver.WaitUntilGone("Moving Completed"));
                  });
    EXPECT_EQ(result, -1);
    MSG quit;
    ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 5u);
}

TEST(DialogFramework, TheWaitCursorLastsUntilTheLastRequestEnds)
{
    HCURSOR wait = ::LoadCursor(nullptr, IDC_WAIT);
    HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
    CWinApp& app = *AfxGetApp();
    ::SetCursor(arrow);

    app.DoWaitCursor(1);
    EXPECT_EQ(::GetCursor(), wait);
    app.DoWaitCursor(1);
    app.DoWaitCursor(-1);
    EXPECT_EQ(::GetCursor(), wait);
    app.DoWaitCursor(-1);
    EXPECT_EQ(::GetCursor(), arrow);
    app.DoWaitCursor(-1);
    EXPECT_EQ(::GetCursor(), arrow) << "an end without a beginning changes nothing";
}

}  // namespace
}  // namespace dalvorn::test_support
