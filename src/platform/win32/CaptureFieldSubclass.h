#pragma once

#include "platform/win32/WindowMessages.h"
#include "ui/Control.h"

#include <windows.h>

namespace pw::win32 {

// Makes the edit control show `field`: the key presses the field takes go to
// its window as kCaptureKey; typing, pasting and input methods do not change
// its text.
void AttachCaptureFieldSubclass(HWND edit, ui::CaptureField& field);

// The capture field that has the keyboard focus, if one has.
HWND FocusedCaptureField();

} // namespace pw::win32
