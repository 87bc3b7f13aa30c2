#include "platform/win32/FormWindow.h"

#include <algorithm>

namespace pw::win32 {

bool FormWindow::TranslateShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || hwnd_ == nullptr ||
        (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)))
        return false;
    return form_.RunShortcut(static_cast<std::uint16_t>(msg.wParam), GetKeyState(VK_CONTROL) < 0,
                             GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0);
}

std::optional<int> FormWindow::RunMessages(std::initializer_list<FormWindow*> windows,
                                           const std::function<bool()>& done) {
    MSG msg{};
    while (!done()) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            for (FormWindow* window : windows)
                window->form_.Idle();
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT)
            return static_cast<int>(msg.wParam);
        const bool taken = std::any_of(windows.begin(), windows.end(), [&](FormWindow* window) {
            return window->TranslateShortcut(msg) ||
                   (window->Handle() != nullptr && IsDialogMessageA(window->Handle(), &msg));
        });
        if (!taken) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return std::nullopt;
}

} // namespace pw::win32
