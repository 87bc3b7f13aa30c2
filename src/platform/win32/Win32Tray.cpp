#include "platform/win32/Win32Tray.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowMessages.h"

#include <algorithm>
#include <iterator>

namespace pw::win32 {

// The shell's first record, which every version of it takes (152 bytes in the
// 32-bit program).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAW_V1_SIZE == 152);

void Win32Tray::SetIcon(TrayChange change, const std::string& tip) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = main_;
    icon.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(main_));
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayCallback;
    icon.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(main_, GCLP_HICON));
    // The core cut the tip to whole characters within the record's room.
    const std::wstring wide = Wide(tip);
    wide.copy(icon.szTip, std::min(wide.size(), std::size(icon.szTip) - 1));
    messenger_.Send(change == TrayChange::Add ? NIM_ADD : NIM_DELETE, icon);
}

std::optional<ScreenRect> Win32Tray::NotificationArea() const {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    HWND area =
        taskbar != nullptr ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
    RECT r{};
    if (area == nullptr || !GetWindowRect(area, &r))
        return std::nullopt;
    return ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

} // namespace pw::win32
