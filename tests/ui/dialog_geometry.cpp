#include "dialog_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace dalvorn::test_support {

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

// Reads a DLGTEMPLATEEX and its DLGITEMTEMPLATEEX entries, which the
// headers declare only in prose.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : m_at(data) {}

    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    void Skip(size_t bytes) { m_at += bytes; }
    void SkipString()
    {
        while (Word() != 0) {
        }
    }
    // A name or an ordinal: 0, 0xFFFF and a number, or a string.
    void SkipNameOrOrdinal()
    {
        const WORD first = Take<WORD>();
        if (first == 0xFFFF)
            Word();
        else if (first != 0)
            SkipString();
    }
    void AlignToDword()
    {
        while (reinterpret_cast<uintptr_t>(m_at) % sizeof(DWORD) != 0)
            ++m_at;
    }

private:
    template <typename T>
    T Take()
    {
        T value;
        std::memcpy(&value, m_at, sizeof(value));
        m_at += sizeof(value);
        return value;
    }

    const BYTE* m_at;
};

RECT ReadRectangle(TemplateReader& reader)
{
    const LONG x = reader.Short();
    const LONG y = reader.Short();
    const LONG cx = reader.Short();
    const LONG cy = reader.Short();
    return {x, y, cx, cy};
}

}  // namespace

std::vector<RECT> CompiledControlUnits(int templateId)
{
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    if (!found)
        return {};
    TemplateReader reader(static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, found))));
    reader.Skip(2 * sizeof(WORD));  // version and signature
    reader.Skip(2 * sizeof(DWORD));  // help id and extended style
    const DWORD style = reader.Dword();
    const WORD count = reader.Word();
    ReadRectangle(reader);
    reader.SkipNameOrOrdinal();  // menu
    reader.SkipNameOrOrdinal();  // class
    reader.SkipString();         // caption
    if (style & DS_SETFONT) {
        reader.Skip(2 * sizeof(WORD) + 2);  // point size, weight, italic, character set
        reader.SkipString();
    }
    std::vector<RECT> controls;
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword();
        reader.Skip(3 * sizeof(DWORD));  // help id, extended style, style
        controls.push_back(ReadRectangle(reader));
        reader.Dword();  // id
        reader.SkipNameOrOrdinal();  // class
        reader.SkipNameOrOrdinal();  // text
        reader.Skip(reader.Word());  // creation data
    }
    return controls;
}

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

void ExpectControlsInTemplateOrder(HWND dialog, int templateId, const std::vector<TemplateControl>& controls)
{
    std::vector<std::string> compiled;
    for (const RECT& units : CompiledControlUnits(templateId))
        compiled.push_back(Describe(units));
    std::vector<std::string> listed;
    for (const TemplateControl& control : controls)
        listed.push_back(Describe(control.units));
    EXPECT_EQ(compiled, listed) << "the compiled template's rectangles (x,y width,height in dialog units)";

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

void ExpectFixedSizeDialog(HWND dialog, LONG width, LONG height)
{
    const DWORD style = Style(dialog);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT client;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(Describe(client), Describe(InPixels(dialog, {0, 0, width, height})));
}

SIZE ShownBitmapSize(HWND control)
{
    const auto bitmap = reinterpret_cast<HBITMAP>(::SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

}  // namespace dalvorn::test_support
