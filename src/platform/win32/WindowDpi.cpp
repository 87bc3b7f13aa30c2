#include "platform/win32/WindowDpi.h"

#include "platform/win32/FormWindow.h"
#include "ui/DpiScale.h"

namespace pw::win32 {

int DpiOf(HWND window) {
    // Only Windows 10 tells each window's DPI.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (window != nullptr && dpiForWindow != nullptr)
        if (const UINT dpi = dpiForWindow(window); dpi != 0)
            return static_cast<int>(dpi);
    const int dpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY);
    return dpi > 0 ? dpi : ui::kDesignDpi;
}

HFONT CreateDesignFont(int dpi) {
    return CreateFontA(-ui::ScaleForDpi(11, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

ui::Size FormWindow::OuterSize() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

ui::Size FormWindow::ClientSize() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return {r.right, r.bottom};
}

int FormWindow::Dpi() const {
    return DpiOf(hwnd_);
}

void FormWindow::SetOuterSize(ui::Size size) {
    SetWindowPos(hwnd_, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::ChangeDpi(int dpi, const RECT& suggested) {
    MakeFonts(dpi);
    for (NativeChild& c : children_) {
        SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*c.placement.control)),
                     TRUE);
        mirror_.FitLabel(c);
    }
    drawn_.FitLabels();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace pw::win32
