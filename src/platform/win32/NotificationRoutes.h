#pragma once

#include "platform/win32/ControlMirror.h"

namespace pw::win32 {

// Hands a WM_COMMAND or WM_NOTIFY from one of the window's controls to the
// control's object; false when no route takes it.
bool RouteNotification(const NativeControls& controls, ControlMirror& mirror, UINT msg, WPARAM wp,
                       LPARAM lp);

} // namespace pw::win32
