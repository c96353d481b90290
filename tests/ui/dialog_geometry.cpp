#include "dialog_geometry.h"

#include <gtest/gtest.h>

namespace dalvorn::testing {

namespace {

DWORD TypeMask(const std::string& className)
{
    if (className == "Static")
        return SS_TYPEMASK;
    if (className == "Button")
        return BS_TYPEMASK;
    return 0;
}

bool IsImage(const TemplateControl& control)
{
    return control.type == SS_BITMAP || control.type == SS_ICON;
}

}  // namespace

std::string ClassName(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

DWORD Style(HWND window)
{
    return static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
}

// Position and size are converted each on its own, as the dialog manager
// does when it creates the controls.
RECT InPixels(HWND dialog, const RECT& units)
{
    RECT rect = units;
    ::MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

RECT PlacementInDialog(HWND dialog, HWND control)
{
    RECT rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Describe(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

void ExpectControlsInTemplateOrder(HWND dialog, const std::vector<TemplateControl>& controls)
{
    HWND control = ::GetWindow(dialog, GW_CHILD);
    for (const TemplateControl& expected : controls) {
        ASSERT_NE(control, nullptr) << "missing control " << expected.id;
        SCOPED_TRACE(std::string(expected.className) + " " + std::to_string(expected.id) + " " +
                     (expected.text ? expected.text : "(image)"));
        EXPECT_EQ(::GetDlgCtrlID(control), expected.id);
        EXPECT_EQ(ClassName(control), expected.className);
        if (expected.text) {
            char text[512] = {};
            ::GetWindowTextA(control, text, sizeof(text));
            EXPECT_EQ(std::string(text), expected.text);
        }
        const RECT placed = PlacementInDialog(dialog, control);
        RECT wanted = InPixels(dialog, expected.units);
        if (IsImage(expected)) {
            wanted.right = wanted.left + (placed.right - placed.left);
            wanted.bottom = wanted.top + (placed.bottom - placed.top);
        }
        EXPECT_EQ(Describe(placed), Describe(wanted));
        EXPECT_EQ(Style(control) & TypeMask(expected.className), expected.type);
        EXPECT_EQ(Style(control) & expected.flags, expected.flags);
        control = ::GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "more controls than the template lists";
}

SIZE ShownBitmapSize(HWND control)
{
    const auto bitmap = reinterpret_cast<HBITMAP>(::SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

}  // namespace dalvorn::testing
