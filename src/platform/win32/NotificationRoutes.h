#pragma once

#include "platform/win32/ControlMirror.h"

#include <windows.h>

namespace pw::win32 {

// WM_COMMAND or WM_NOTIFY from `child` (null when it is none of the form's),
// to its object through one table of (kind, message, code) rows; false when
// no row takes it.
bool RouteNotification(const NativeChild* child, ControlMirror& mirror, UINT msg, WPARAM wp,
                       LPARAM lp);

} // namespace pw::win32
