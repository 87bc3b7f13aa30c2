#pragma once

#include "platform/win32/WindowMessages.h"

#include <windows.h>

namespace pw::win32 {

// Makes the edit control a capture field: its key presses go to its window as
// kCaptureKey; typing, pasting and input methods do not change its text.
void AttachHotkeyFieldSubclass(HWND edit);

// The capture field that has the keyboard focus, if one has.
HWND FocusedHotkeyField();

} // namespace pw::win32
