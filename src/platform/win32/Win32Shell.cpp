// The shell: the notification-area icon, web pages, the string table and the
// program's data resources.
#include "platform/win32/Win32Desktop.h"

#include "app/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>

namespace pw::win32 {

// The shell's first record, which every version of it takes (88 bytes in the
// 32-bit program).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

void Win32Desktop::SetTrayIcon(TrayChange change, const std::string& tip) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = main_;
    icon.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(main_));
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayCallback;
    icon.hIcon = reinterpret_cast<HICON>(GetClassLongPtrA(main_, GCLP_HICON));
    tip.copy(icon.szTip, std::min(tip.size(), kTrayTipLength));
    trayMessenger_.Send(change == TrayChange::Add ? NIM_ADD : NIM_DELETE, icon);
}

std::optional<ScreenRect> Win32Desktop::NotificationArea() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    HWND area =
        taskbar != nullptr ? FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", nullptr) : nullptr;
    RECT r{};
    if (area == nullptr || !GetWindowRect(area, &r))
        return std::nullopt;
    return ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Desktop::OpenWebPage(const std::string& address) {
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ShellExecuteA(main_, "Open", address.c_str(), nullptr, nullptr, SW_SHOW);
    SetCursor(previous);
}

std::string Win32Desktop::LoadText(int id) {
    char text[256] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), text,
                                   static_cast<int>(sizeof(text)));
    return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

void Win32Desktop::AskShellToOpen(const std::string& url) {
    ShellExecuteA(GetActiveWindow(), "Open", url.c_str(), nullptr, nullptr, SW_SHOW);
}

std::string_view Win32Desktop::ProgramResource(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    return {static_cast<const char*>(bytes),
            static_cast<std::size_t>(SizeofResource(module, found))};
}

} // namespace pw::win32
