#include "platform/win32/Win32Tray.h"

#include "platform/win32/WindowMessages.h"

#include <algorithm>

namespace pw::win32 {

// The shell's first record, which every version of it takes (88 bytes in the
// 32-bit program).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

void Win32Tray::SetIcon(TrayChange change, const std::string& tip) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = main_;
    icon.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(main_));
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayCallback;
    icon.hIcon = reinterpret_cast<HICON>(GetClassLongPtrA(main_, GCLP_HICON));
    tip.copy(icon.szTip, std::min(tip.size(), sizeof(icon.szTip) - 1));
    messenger_.Send(change == TrayChange::Add ? NIM_ADD : NIM_DELETE, icon);
}

std::optional<ScreenRect> Win32Tray::NotificationArea() const {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    HWND area =
        taskbar != nullptr ? FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", nullptr) : nullptr;
    RECT r{};
    if (area == nullptr || !GetWindowRect(area, &r))
        return std::nullopt;
    return ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

} // namespace pw::win32
