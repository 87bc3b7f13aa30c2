#pragma once

#include "platform/win32/PointerWatch.h"
#include "ui/Control.h"

#include <windows.h>

namespace pw::win32 {

// Makes the static control show the image object's picture over its fill
// (pixels at their own size or stretched, icons at the control's size) and
// report the mouse to the object. A left click reaches the form window as
// STN_CLICKED when the button is released, after the object has moved back.
// `image` holds a ui::Image and must outlive the control.
void AttachImageSubclass(HWND control, PointedControl& image);

// The image's fill and picture in `r`. Over a background already drawn, an
// image without a fill lets it show through its icon's see-through parts;
// otherwise they show the fill, or the window's face colour.
void DrawImage(HDC dc, const RECT& r, const ui::Image& image, bool overBackground);

} // namespace pw::win32
