#include "app/MainLayout.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/WindowDpi.h"

namespace pw::win32 {

bool MainWindow::HandleSizing(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        // A minimized window keeps its layout for its return.
        if (wp != SIZE_MINIMIZED) {
            const LayoutPass pass(*this);
            form_.FormResize();
        }
        return true;
    case WM_GETMINMAXINFO: {
        const ui::Size minimum = MainMinimumSize(Dpi());
        reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {minimum.width, minimum.height};
        return true;
    }
    case WM_DPICHANGED: {
        const LayoutPass pass(*this);
        ChangeDpi(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
        form_.DpiChanged();
    }
        return true;
    default:
        return false;
    }
}

} // namespace pw::win32
