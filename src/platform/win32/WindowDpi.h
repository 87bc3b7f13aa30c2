#pragma once

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace pw::win32 {

// The DPI of the screen the window is on; the system's for no window, or where
// the system knows no DPI per window.
int DpiOf(HWND window);

} // namespace pw::win32
