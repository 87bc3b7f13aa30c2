#pragma once

#include "ui/Control.h"
#include "ui/DrawnPointer.h"

#include <windows.h>

#include <array>

namespace pw::win32 {

// A control with a window of its own and the pointer's dealings with it: the
// same rules as for the controls a window draws, over one target, its client
// area.
struct PointedControl {
    ui::Control& control;
    ui::DrawnPointer pointer;

    // The mouse message's position (lParam) over the control's window.
    ui::PointerEffects Move(HWND hwnd, LPARAM lp) {
        return pointer.Move(Target(hwnd), X(lp), Y(lp));
    }
    ui::PointerEffects Press(HWND hwnd, LPARAM lp, bool leftButton) {
        return pointer.Press(Target(hwnd), X(lp), Y(lp), leftButton);
    }
    ui::PointerEffects Release(HWND hwnd, LPARAM lp, bool leftButton) {
        return pointer.Release(Target(hwnd), X(lp), Y(lp), leftButton);
    }

    // A static control clicks at the press on its own; one that clicks on
    // the release, as a button does, holds the mouse from the press instead.
    // True when it was held.
    bool Hold(HWND hwnd, LPARAM lp, bool leftButton) {
        if (Press(hwnd, lp, leftButton).held < 0)
            return false;
        SetCapture(hwnd);
        return true;
    }
    // Tells the parent the static control was clicked, as the control would.
    static void SendClick(HWND hwnd) {
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
    }

private:
    // As GET_X_LPARAM and GET_Y_LPARAM, whose header would rename
    // IsMinimized and IsMaximized wherever this one is included.
    static int X(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
    static int Y(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }
    static std::array<ui::PointerTarget, 1> Target(HWND hwnd) {
        RECT r{};
        GetClientRect(hwnd, &r);
        return {ui::PointerTarget{{0, 0, r.right, r.bottom}}};
    }
};

// Asks for WM_MOUSELEAVE when the pointer leaves the window; the system
// forgets the request once it has sent it. False when it was refused.
inline bool WatchForLeave(HWND hwnd) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
    return TrackMouseEvent(&track) != FALSE;
}

// The pointing hand over something that opens or does something, as the
// answer to WM_SETCURSOR.
inline LRESULT ShowHand() {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
}

} // namespace pw::win32
