#pragma once

#include <windows.h>

namespace pw::win32 {

// A window procedure put in front of a child control's own. The hook lives in
// the control's user data, which the system's control classes leave to their
// owner, and goes with the window. The common controls' subclassing keeps its
// chain in window properties instead, and a property lookup (three for every
// message) is a request to the window server on some systems: painting the
// skinned controls cost several times as much. Every hook also answers the
// frame painting of a control that has no frame.
class ControlHook {
public:
    using Proc = LRESULT (*)(const ControlHook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    // Puts `proc` in front of the control's procedure; `ref` (which must
    // outlive the window) is handed to it as Ref(). A control takes one hook.
    static bool Attach(HWND control, Proc proc, void* ref);
    // A hook that only spares the control the work every hook spares it.
    static bool AttachPlain(HWND control);
    // The hook with `proc` on the control, if it has one.
    static const ControlHook* Of(HWND control, Proc proc);

    ControlHook(Proc proc, void* ref) : proc_(proc), ref_(ref) {}

    template <typename T> T& Ref() const { return *static_cast<T*>(ref_); }
    // The control's own handling of the message.
    LRESULT Next(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const {
        return CallWindowProcW(next_, hwnd, msg, wp, lp);
    }

private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

    Proc proc_;
    void* ref_;
    WNDPROC next_ = nullptr;
};

} // namespace pw::win32
