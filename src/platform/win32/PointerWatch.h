#pragma once

#include <windows.h>

namespace pw::win32 {

// Asks for WM_MOUSELEAVE when the pointer leaves the window; the system
// forgets the request once it has sent it. False when it was refused.
inline bool WatchForLeave(HWND hwnd) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
    return TrackMouseEvent(&track) != FALSE;
}

// The pointing hand over something that opens or does something, as the
// answer to WM_SETCURSOR.
inline LRESULT ShowHand() {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
}

} // namespace pw::win32
