#pragma once

#include "ui/Action.h"

#include <windows.h>

namespace pw::win32 {

// Shows the menu at a screen position, at the mouse pointer when both are -1,
// and clicks the item chosen, if any.
void TrackPopup(HWND owner, const ui::PopupMenu& menu, int x, int y);

} // namespace pw::win32
