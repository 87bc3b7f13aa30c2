#pragma once

#include "platform/Desktop.h"
#include "platform/win32/TrayMessenger.h"

#include <windows.h>

#include <optional>
#include <string>

namespace pw::win32 {

// The main window's icon in the taskbar's notification area.
class Win32Tray {
public:
    // The icon is the main window's: its class icon, its messages.
    void SetMainWindow(HWND hwnd) { main_ = hwnd; }
    void SetIcon(TrayChange change, const std::string& tip);
    // Where the notification area is on the screen, if there is a taskbar.
    std::optional<ScreenRect> NotificationArea() const;

private:
    HWND main_ = nullptr;
    TrayMessenger messenger_;
};

} // namespace pw::win32
