#include "platform/win32/ControlHook.h"

#include "platform/win32/FailureReport.h"

#include <memory>

namespace pw::win32 {

namespace {

ControlHook* Stored(HWND hwnd) {
    return reinterpret_cast<ControlHook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Whether the window has anything outside its client area: a border, an edge
// or a scroll bar.
bool HasFrame(HWND hwnd) {
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return window.right - window.left != client.right ||
           window.bottom - window.top != client.bottom;
}

} // namespace

bool ControlHook::Attach(HWND control, Proc proc, void* ref) {
    // Only child controls: a form window keeps its own object in its user data.
    if (control == nullptr || (GetWindowLongPtrW(control, GWL_STYLE) & WS_CHILD) == 0 ||
        Stored(control) != nullptr)
        return false;
    auto hook = std::make_unique<ControlHook>(proc, ref);
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(hook.get()));
    hook->next_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Thunk)));
    if (hook->next_ == nullptr) {
        SetWindowLongPtrW(control, GWLP_USERDATA, 0);
        return false;
    }
    hook.release(); // the window owns it now; freed at WM_NCDESTROY
    return true;
}

bool ControlHook::AttachPlain(HWND control) {
    return Attach(
        control,
        [](const ControlHook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
            return hook.Next(hwnd, msg, wp, lp);
        },
        nullptr);
}

const ControlHook* ControlHook::Of(HWND control, Proc proc) {
    if (control == nullptr || (GetWindowLongPtrW(control, GWL_STYLE) & WS_CHILD) == 0)
        return nullptr;
    const ControlHook* hook = Stored(control);
    return hook != nullptr && hook->proc_ == proc ? hook : nullptr;
}

LRESULT CALLBACK ControlHook::Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    ControlHook* hook = Stored(hwnd);
    if (hook == nullptr)
        return DefWindowProcW(hwnd, msg, wp, lp);
    // A control without a frame has nothing there to paint, and the system's
    // handling would still ask the window server about the displays several
    // times over for each control at each showing.
    if (msg == WM_NCPAINT && !HasFrame(hwnd))
        return 0;
    const LRESULT result = CallGuarded([&] { return hook->proc_(*hook, hwnd, msg, wp, lp); },
                                       [&] { return hook->Next(hwnd, msg, wp, lp); });
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        const std::unique_ptr<ControlHook> owned(hook);
    }
    return result;
}

} // namespace pw::win32
