#include "platform/win32/MainWindow.h"
#include "platform/win32/WindowStateMessages.h"

namespace pw::win32 {

namespace {
// Posted at each showing: the show handler runs once the window is visible
// and active, so that the focus it gives stays where it put it.
constexpr UINT kShown = WM_APP + 2;
} // namespace

void MainWindow::RunShowHandler() {
    MSG shown{};
    if (PeekMessageA(&shown, Handle(), kShown, kShown, PM_REMOVE))
        form_.FormShow();
}

bool MainWindow::Activate(WPARAM wp) {
    if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusedChild_ = focus != nullptr && IsChild(Handle(), focus) ? focus : nullptr;
        return false;
    }
    // As a dialog does: the control that had the keyboard when the window was
    // left gets it back, and at first the entry box, which the show handler
    // gives it anyway. The window itself takes no keys, and giving it the
    // focus on the way costs a round of focus and input-method messages.
    HWND target = focusedChild_ != nullptr ? focusedChild_ : ChildOf(form_.eClipString);
    if (HIWORD(wp) != 0 || target == nullptr || !IsWindow(target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target))
        return false;
    SetFocus(target);
    return true;
}

bool MainWindow::HandleWindowStates(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) {
        form_.SystemCommand(ToSystemCommand(wp), lp,
                            [&] { DefWindowProcA(Handle(), msg, wp, lp); });
        return true;
    }
    if (msg == WM_ACTIVATE)
        return Activate(wp);
    if (msg == kTrayCallback)
        form_.TrayIconMessage(ToTrayClick(lp));
    else if (msg == taskbarCreated_)
        form_.TaskbarCreated();
    else if (msg == kShown)
        form_.FormShow();
    else if (msg == WM_SHOWWINDOW && wp != FALSE)
        PostMessageA(Handle(), kShown, 0, 0);
    return msg == kTrayCallback || msg == taskbarCreated_ || msg == kShown;
}

} // namespace pw::win32
