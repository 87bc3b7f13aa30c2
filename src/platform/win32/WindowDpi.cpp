#include "platform/win32/WindowDpi.h"

#include "platform/win32/Unique.h"
#include "ui/DpiScale.h"

namespace pw::win32 {

int DpiOf(HWND window) {
    // Only Windows 10 tells each window's DPI.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window != nullptr && dpiForWindow != nullptr)
        if (const UINT dpi = dpiForWindow(window); dpi != 0)
            return static_cast<int>(dpi);
    const int dpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY);
    return dpi > 0 ? dpi : ui::kDesignDpi;
}

} // namespace pw::win32
