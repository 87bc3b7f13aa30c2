#pragma once

#include <windows.h>

namespace pw {
class HotkeyField;
}

namespace pw::win32 {

// Makes the edit control a capture field for the object: every key press goes
// to the field, and neither typing, pasting nor an input method changes its text.
void AttachHotkeyFieldSubclass(HWND edit, HotkeyField& field);

// The capture field that has the keyboard focus, if one has.
HotkeyField* FocusedHotkeyField();

} // namespace pw::win32
