#include "platform/win32/MainWindow.h"

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

bool MainWindow::HandleWindowStates(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) {
        form_.SystemCommand(static_cast<std::uint32_t>(wp), lp,
                            [&] { DefWindowProcA(Handle(), msg, wp, lp); });
        return true;
    }
    if (msg == kTrayCallback)
        form_.TrayIconMessage(static_cast<unsigned>(lp));
    else if (msg == taskbarCreated_)
        form_.TaskbarCreated();
    else if (msg == kShown)
        form_.FormShow();
    else if (msg == WM_SHOWWINDOW && wp != FALSE)
        PostMessageA(Handle(), kShown, 0, 0);
    return msg == kTrayCallback || msg == taskbarCreated_ || msg == kShown;
}

} // namespace pw::win32
