#pragma once

#include "platform/win32/Unique.h"
#include "platform/win32/Win32Clipboard.h"

#include <windows.h>

namespace pw::win32 {

// A window that owns the clipboard for a Win32Clipboard and answers the
// system's messages to the owner as the main window does.
class ClipboardOwnerWindow {
public:
    explicit ClipboardOwnerWindow(Win32Clipboard& clipboard)
        : window_(CreateWindowExW(0, ClassName(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&clipboard));
    }

    HWND get() const { return window_.get(); }
    void Destroy() { window_.reset(); }

private:
    static const wchar_t* ClassName() {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"PastewiseTestClipboardOwner";
            return RegisterClassW(&wc);
        }();
        return reinterpret_cast<const wchar_t*>(static_cast<ULONG_PTR>(atom));
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* clipboard = reinterpret_cast<Win32Clipboard*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (clipboard == nullptr)
            return DefWindowProcW(hwnd, msg, wp, lp);
        switch (msg) {
        case WM_RENDERFORMAT:
            clipboard->RenderFormat(static_cast<UINT>(wp));
            return 0;
        case WM_RENDERALLFORMATS:
            clipboard->RenderAllFormats();
            return 0;
        case WM_DESTROYCLIPBOARD:
            clipboard->ClipboardDestroyed();
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
        }
    }

    UniqueWindow window_;
};

} // namespace pw::win32
