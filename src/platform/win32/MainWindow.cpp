#include "platform/win32/MainWindow.h"

#include "app/Product.h"

namespace pw::win32 {

bool MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_HOTKEY:
        form_.HotkeyPressed(static_cast<std::int32_t>(wp));
        result = 0;
        return true;
    case kActivateRequest:
        form_.ActivateRequest();
        result = 0;
        return true;
    default:
        return false;
    }
}

bool MainWindow::OnClose() {
    // An accepted close ends the message loop; the window is destroyed after it.
    form_.FormClose();
    return false;
}

void MainWindow::OnDestroy() {
    form_.FormDestroy();
}

} // namespace pw::win32
