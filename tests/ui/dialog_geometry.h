#pragma once
// Where a dialog's controls are and what they are, compared with what its
// template says.

#include <windows.h>

#include <string>
#include <vector>

namespace dalvorn::test_support {

std::string ClassName(HWND window);
DWORD Style(HWND window);

// A rectangle in dialog units (x, y, width, height) as the dialog manager
// places it, in pixels of the dialog's client area (left, top, right,
// bottom).
RECT InPixels(HWND dialog, const RECT& units);
RECT PlacementInDialog(HWND dialog, HWND control);
std::string Describe(const RECT& rect);

// A control as a template lists it.
struct TemplateControl {
    int id;
    const char* className;
    const char* text;  // nullptr: an image, or a text not compared
    RECT units;        // x, y, width, height in dialog units
    DWORD type;        // the style's type: SS_LEFT, SS_BITMAP, BS_GROUPBOX, ...
    DWORD flags;       // further style bits the control carries
};

// Each control's rectangle (x, y, width, height in dialog units) as the
// compiled template `templateId` in this program's resources holds it.
std::vector<RECT> CompiledControlUnits(int templateId);

// Expects the compiled template `templateId` to hold exactly the rectangles
// of `controls`, and the dialog's children to be exactly `controls`, in this
// order. Images size their window to the picture, so only their top left
// corner is compared on screen.
void ExpectControlsInTemplateOrder(HWND dialog, int templateId, const std::vector<TemplateControl>& controls);

// Expects a dialog that keeps its size: a popup with caption, system menu
// and modal frame, no sizing or minimising, and a client area of `width`
// by `height` dialog units.
void ExpectFixedSizeDialog(HWND dialog, LONG width, LONG height);

// The size in pixels of the bitmap a static image control shows.
SIZE ShownBitmapSize(HWND control);

}  // namespace dalvorn::test_support
