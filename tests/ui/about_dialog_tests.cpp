// The About box as its template lays it out, and how it closes.

#include <gtest/gtest.h>

#include <windows.h>

#include "about_dialog.h"
#include "dialog_geometry.h"
#include "resource.h"
#include "window_driver.h"

namespace dalvorn::test_support {
namespace {

const char kAboutCaption[] = "About Dalvorn";

const std::vector<TemplateControl> kAboutTemplate = {
    {IDC_STATIC, "Static", nullptr, {11, 17, 20, 20}, SS_ICON, 0},
    {IDC_STATIC, "Static", "Dalvorn Beta 1.0", {40, 10, 119, 8}, SS_LEFT, SS_NOPREFIX},
    {IDC_STATIC, "Static", nullptr, {40, 25, 149, 51}, SS_LEFT, 0},
    {IDOK, "Button", "OK", {210, 6, 50, 14}, BS_DEFPUSHBUTTON, WS_TABSTOP},
    {IDC_DONATE, "Static", nullptr, {108, 97, 49, 27}, SS_BITMAP, SS_NOTIFY},
    {IDC_STATIC, "Static", "Please support this program using PayPal:", {62, 85, 132, 8}, SS_CENTER, 0},
    {IDC_STATIC, "Button", "", {11, 78, 235, 49}, BS_GROUPBOX, 0},
};

// Runs the About box modally while `script` looks at it; gives DoModal's
// result.
INT_PTR RunAboutBox(const std::function<void(WindowDriver&, HWND)>& script)
{
    CAboutDialog about;
    INT_PTR result = 0;
    RunWithDriver([&] { result = about.DoModal(); },
                  [&](WindowDriver& driver) {
                      HWND window = driver.WaitForWindow(kAboutCaption);
                      ASSERT_NE(window, nullptr) << "the About box did not open";
                      script(driver, window);
                  });
    return result;
}

TEST(AboutDialog, ControlsFollowTheTemplate)
{
    RunAboutBox([](WindowDriver&, HWND about) {
        ExpectControlsInTemplateOrder(about, IDD_ABOUTBOX, kAboutTemplate);
        EXPECT_EQ(::SendMessageA(about, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
    });
}

TEST(AboutDialog, IsAFixedSizeDialogWithCaptionAndSystemMenu)
{
    RunAboutBox([](WindowDriver&, HWND about) { ExpectFixedSizeDialog(about, 271, 135); });
}

TEST(AboutDialog, ShowsTheIconTheDonationImageAndSeveralLinesOfCredits)
{
    RunAboutBox([](WindowDriver&, HWND about) {
        HWND icon = ::GetWindow(about, GW_CHILD);
        EXPECT_NE(::SendMessageA(icon, STM_GETICON, 0, 0), 0);
        const SIZE image = ShownBitmapSize(::GetDlgItem(about, IDC_DONATE));
        EXPECT_EQ(image.cx, 73);
        EXPECT_EQ(image.cy, 44);

        const std::string credits = WindowDriver::Text(::GetWindow(::GetWindow(icon, GW_HWNDNEXT), GW_HWNDNEXT));
        EXPECT_NE(credits.find("2002"), std::string::npos) << credits;
        EXPECT_NE(credits.find('\n'), std::string::npos) << credits;
    });
}

TEST(AboutDialog, OkEscapeAndTheCloseBoxCloseIt)
{
    EXPECT_EQ(RunAboutBox([](WindowDriver& driver, HWND about) {
                  WindowDriver::Click(about, IDOK);
                  EXPECT_TRUE(driver.WaitUntilGone(kAboutCaption));
              }),
              IDOK);
    EXPECT_EQ(RunAboutBox([](WindowDriver& driver, HWND about) {
                  WindowDriver::PressKey(::GetDlgItem(about, IDOK), VK_ESCAPE);
                  EXPECT_TRUE(driver.WaitUntilGone(kAboutCaption));
              }),
              IDCANCEL);
    EXPECT_EQ(RunAboutBox([](WindowDriver& driver, HWND about) {
                  ::PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
                  EXPECT_TRUE(driver.WaitUntilGone(kAboutCaption));
              }),
              IDCANCEL);
}

}  // namespace
}  // namespace dalvorn::test_support
