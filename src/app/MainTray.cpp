// The main window in the notification area: the icon's messages and the
// window's way into hiding and back.
#include "app/TfrmMain.h"

namespace pw {

void TfrmMain::TrayIconMessage(unsigned mouseMessage) {
    switch (mouseMessage) {
    case kMouseLeftDown:
        RestoreFromTray();
        if (ListView1.Visible() && ListView1.RowCount() > 0)
            ListView1.Select(0);
        break;
    case kMouseRightDown:
        // In front first: a menu of a background window would not close
        // when the user clicks elsewhere.
        NativeWindow().BringToFront();
        NativeWindow().Popup(pmSelf, -1, -1);
        break;
    default:
        break;
    }
}

void TfrmMain::RestoreFromTray() {
    windowStates_.RestoreFromTray(NativeWindow());
}

void TfrmMain::SystemCommand(std::uint32_t command, std::intptr_t lParam,
                             const std::function<void()>& systemDefault) {
    windowStates_.SystemCommand(NativeWindow(), command, lParam,
                                closeMode_ == CloseMode::HideToTray, systemDefault);
}

void TfrmMain::TaskbarCreated() {
    trayIcon_.ShellRestarted();
}

} // namespace pw
