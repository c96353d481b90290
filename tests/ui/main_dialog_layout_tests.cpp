// The main dialog as its template lays it out, and its window decoration:
// controls, texts, positions, styles, tab order, system menu and icons.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <iterator>

#include "dialog_geometry.h"
#include "registry_value_scope.h"
#include "resource.h"
#include "window_driver.h"
#include "framework/win_app.h"

namespace dalvorn::test_support {
namespace {

struct ControlLayout {
    int id;
    const char* className;
    const char* text;
    RECT units;  // x, y, width, height in dialog units
    bool tabStop;
};

const ControlLayout kTemplateOrder[] = {
    {IDC_SCAN, "Button", "Scan", {217, 49, 57, 16}, true},
    {IDC_FOLDER, "Edit", "", {7, 18, 204, 14}, true},
    {IDC_STATIC, "Static", "Flight Simulator 2002 Folder:", {8, 4, 90, 8}, false},
    {IDC_BROWSE, "Button", "Browse...", {216, 17, 57, 16}, true},
    {IDC_MOVE_SELECTED, "Button", "Move Selected", {217, 118, 57, 16}, true},
    {IDC_GAUGE_TREE, "SysTreeView32", "Tree2", {7, 47, 202, 110}, true},
    {ID_APP_ABOUT, "Button", "About...", {217, 141, 57, 16}, true},
};

// Edit and tree controls turn the template's WS_BORDER into a sunken edge.
bool HasBorder(HWND control)
{
    return (Style(control) & WS_BORDER) || (::GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

SIZE IconSize(HICON icon)
{
    ICONINFO info = {};
    ::GetIconInfo(icon, &info);
    BITMAP bitmap = {};
    ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

std::string MenuItemText(HMENU menu, int position)
{
    char text[128] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

void RunMainDialog(const std::function<void(WindowDriver&, HWND)>& script)
{
    const RegistryValueScope none;
    RunWithDriver([] { AfxGetApp()->InitInstance(); },
                  [&](WindowDriver& driver) {
                      HWND dialog = driver.WaitForWindow("Dalvorn");
                      ASSERT_NE(dialog, nullptr);
                      script(driver, dialog);
                  });
}

TEST(MainDialogLayout, ControlsFollowTheTemplateInTabOrder)
{
    RunMainDialog([](WindowDriver&, HWND dialog) {
        const std::vector<RECT> compiled = CompiledControlUnits(IDD_DALVORN_DIALOG);
        ASSERT_EQ(compiled.size(), std::size(kTemplateOrder));
        HWND control = ::GetWindow(dialog, GW_CHILD);
        for (size_t i = 0; i < compiled.size(); ++i) {
            const ControlLayout& expected = kTemplateOrder[i];
            ASSERT_NE(control, nullptr) << "missing control " << expected.id;
            SCOPED_TRACE(expected.text);
            EXPECT_EQ(Describe(compiled[i]), Describe(expected.units));
            EXPECT_EQ(::GetDlgCtrlID(control), expected.id);
            EXPECT_EQ(ClassName(control), expected.className);
            EXPECT_EQ(WindowDriver::Text(control), expected.text);
            EXPECT_EQ(Describe(PlacementInDialog(dialog, control)), Describe(InPixels(dialog, expected.units)));
            EXPECT_EQ((Style(control) & WS_TABSTOP) != 0, expected.tabStop);
            control = ::GetWindow(control, GW_HWNDNEXT);
        }
        EXPECT_EQ(control, nullptr) << "more controls than the template lists";
    });
}

TEST(MainDialogLayout, ControlStylesMatchTheTemplate)
{
    RunMainDialog([](WindowDriver&, HWND dialog) {
        EXPECT_EQ(::SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDC_SCAN, DC_HASDEFID));

        const DWORD field = Style(::GetDlgItem(dialog, IDC_FOLDER));
        EXPECT_TRUE(field & ES_AUTOHSCROLL);
        EXPECT_FALSE(field & ES_MULTILINE);
        EXPECT_TRUE(HasBorder(::GetDlgItem(dialog, IDC_FOLDER)));

        const DWORD tree = Style(::GetDlgItem(dialog, IDC_GAUGE_TREE));
        EXPECT_TRUE(tree & TVS_CHECKBOXES);
        EXPECT_TRUE(HasBorder(::GetDlgItem(dialog, IDC_GAUGE_TREE)));
        EXPECT_FALSE(tree & (TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT));
    });
}

TEST(MainDialogLayout, TheDialogIsACentredFixedSizeWindowWithATaskBarButton)
{
    RunMainDialog([](WindowDriver&, HWND dialog) {
        EXPECT_EQ(WindowDriver::Text(dialog), "Dalvorn");
        ExpectFixedSizeDialog(dialog, 281, 161);
        EXPECT_TRUE(::GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);

        RECT window;
        ::GetWindowRect(dialog, &window);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoA(::MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& work = monitor.rcWork;
        EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 2);
        EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 2);
    });
}

TEST(MainDialogLayout, SystemMenuEndsWithTheAboutAndRestoreEntries)
{
    RunMainDialog([](WindowDriver& driver, HWND dialog) {
        HMENU menu = ::GetSystemMenu(dialog, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = ::GetMenuItemCount(menu);
        ASSERT_GE(count, 3);
        EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(MenuItemText(menu, count - 2), "&About Dalvorn...");
        EXPECT_EQ(::GetMenuItemID(menu, count - 2), static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_EQ(MenuItemText(menu, count - 1), "Restore Gauges...");
        EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_RESTORE));

        ::PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        HWND about = driver.WaitForWindow("About Dalvorn");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(::GetWindow(about, GW_OWNER), dialog);
        EXPECT_FALSE(::IsWindowEnabled(dialog));
        WindowDriver::Click(about, IDOK);
        EXPECT_TRUE(driver.WaitUntilGone("About Dalvorn"));
        EXPECT_TRUE(WindowDriver::WaitUntil([&] { return ::IsWindowEnabled(dialog) != FALSE; }));
    });
}

TEST(MainDialogLayout, AboutButtonOpensTheAboutBoxWhichEscapeCloses)
{
    RunMainDialog([](WindowDriver& driver, HWND dialog) {
        WindowDriver::Click(dialog, ID_APP_ABOUT);
        HWND about = driver.WaitForWindow("About Dalvorn");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(WindowDriver::Text(::GetDlgItem(about, IDOK)), "OK");
        WindowDriver::PressKey(::GetDlgItem(about, IDOK), VK_ESCAPE);
        EXPECT_TRUE(driver.WaitUntilGone("About Dalvorn"));
        EXPECT_NE(driver.FindWindowByCaption("Dalvorn"), nullptr);
    });
}

TEST(MainDialogLayout, CarriesTheApplicationIconInBothSizes)
{
    RunMainDialog([](WindowDriver&, HWND dialog) {
        const auto big = reinterpret_cast<HICON>(::SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        const auto small = reinterpret_cast<HICON>(::SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        ASSERT_NE(big, nullptr);
        ASSERT_NE(small, nullptr);
        EXPECT_EQ(IconSize(big).cx, ::GetSystemMetrics(SM_CXICON));
        EXPECT_EQ(IconSize(small).cx, ::GetSystemMetrics(SM_CXSMICON));
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0)), big);
    });
}

TEST(MainDialogLayout, EscapeEndsTheProgram)
{
    BOOL result = TRUE;
    const RegistryValueScope none;
    RunWithDriver([&] { result = AfxGetApp()->InitInstance(); },
                  [](WindowDriver& driver) {
                      HWND dialog = driver.WaitForWindow("Dalvorn");
                      ASSERT_NE(dialog, nullptr);
                      WindowDriver::PressKey(::GetDlgItem(dialog, IDC_FOLDER), VK_ESCAPE);
                      EXPECT_TRUE(driver.WaitUntilGone("Dalvorn"));
                  });
    EXPECT_FALSE(result);
}

}  // namespace
}  // namespace dalvorn::test_support
