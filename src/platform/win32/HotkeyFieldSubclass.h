#pragma once

#include <windows.h>

namespace pw::win32 {

// A press for a capture field, to its form window: wParam MAKEWPARAM(key,
// MOD_ flags), lParam the field. A hotkey of the program pressed in the field
// comes this way too.
inline constexpr UINT kCaptureKey = WM_APP + 1;

// Makes the edit control a capture field: its key presses go to its window as
// kCaptureKey; typing, pasting and input methods do not change its text.
void AttachHotkeyFieldSubclass(HWND edit);

// The capture field that has the keyboard focus, if one has.
HWND FocusedHotkeyField();

} // namespace pw::win32
