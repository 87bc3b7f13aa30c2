#include "platform/win32/MessageLoop.h"

#include <algorithm>

namespace pw::win32 {

std::optional<int> RunMessages(std::initializer_list<LoopWindow*> windows,
                               const std::function<bool()>& done) {
    MSG msg{};
    while (!done()) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            for (LoopWindow* window : windows)
                window->Idle();
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT)
            return static_cast<int>(msg.wParam);
        const bool taken = std::any_of(windows.begin(), windows.end(), [&](LoopWindow* window) {
            return window->TranslateShortcut(msg) ||
                   (window->Handle() != nullptr && IsDialogMessageW(window->Handle(), &msg));
        });
        if (!taken) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return std::nullopt;
}

} // namespace pw::win32
