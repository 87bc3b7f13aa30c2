#pragma once

#include "platform/win32/PointerWatch.h"
#include "platform/win32/SkinCanvas.h"
#include "skin/ButtonState.h"
#include "ui/Control.h"
#include "ui/VisualStyle.h"

#include <windows.h>

#include <string>

namespace pw::win32 {

// A real BUTTON window (push button or check box) that keeps its keyboard
// handling, its notifications and what it tells assistive technology, and
// that the subclass paints in the skin instead.
struct SkinnedControl {
    HWND hwnd;
    ui::Control& control;
    ui::VisualStyle style;
    SkinPictures& pictures;
    HFONT boldFont = nullptr;
    skin::ButtonState state;
    bool focused = false;
    // A check box's caption font for its room: null when the control's own fits.
    struct Fitting {
        HFONT base = nullptr;
        std::string caption;
        int width = -1;
        UniqueGdiObject font;
    } fitting;
};

void AttachSkinSubclass(SkinnedControl& skinned);
// Draws the control as it is now; false under a high-contrast theme, where the
// control draws itself.
bool PaintSkinned(HDC dc, SkinnedControl& skinned);

// Link labels: the hover colour and the pointing hand.
// `label` holds a ui::Label and must outlive the control.
void AttachLinkSubclass(HWND hwnd, PointedControl& label);

// The bounds a skinned check box takes for its caption in its font: never
// narrower than placed, so that no caption is clipped and the layout stays.
ui::Rect AutoSizedCheckBox(HFONT font, int dpi, const std::string& caption, const ui::Rect& placed);

} // namespace pw::win32
