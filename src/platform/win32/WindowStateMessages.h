#pragma once

#include "app/TrayIcon.h"
#include "ui/SystemCommand.h"

#include <windows.h>

namespace pw::win32 {

// WM_SYSCOMMAND's wParam in the program's terms. The four low bits are the
// system's own: a double click on the caption maximizes with 0xF032.
inline ui::SystemCommand ToSystemCommand(WPARAM wp) {
    switch (wp & 0xFFF0) {
    case SC_MINIMIZE:
        return ui::SystemCommand::Minimize;
    case SC_MAXIMIZE:
        return ui::SystemCommand::Maximize;
    case SC_RESTORE:
        return ui::SystemCommand::Restore;
    default:
        return ui::SystemCommand::Other;
    }
}

// The tray icon's callback carries the mouse message in lParam.
inline TrayClick ToTrayClick(LPARAM lp) {
    switch (lp) {
    case WM_LBUTTONDOWN:
        return TrayClick::Left;
    case WM_RBUTTONDOWN:
        return TrayClick::Right;
    default:
        return TrayClick::Other;
    }
}

} // namespace pw::win32
