#include "platform/win32/CaptureFieldSubclass.h"

#include "platform/win32/ControlHook.h"

#include <imm.h>

namespace pw::win32 {

namespace {

bool TakesKey(const ControlHook& hook, WPARAM vk) {
    return hook.Ref<ui::CaptureField>().Takes(static_cast<std::uint16_t>(vk),
                                              GetKeyState(VK_CONTROL) < 0);
}

// Every key press, Alt combinations included, goes to the form window, whose
// procedure hands it to the object; no character, paste or edit gets in.
LRESULT CaptureFieldProc(const ControlHook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE: {
        const auto* pending = reinterpret_cast<const MSG*>(lp);
        if (pending != nullptr && pending->message == WM_KEYDOWN &&
            !TakesKey(hook, pending->wParam))
            return hook.Next(hwnd, msg, wp, lp) & ~DLGC_WANTTAB;
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        if (!TakesKey(hook, wp))
            break;
        const bool alt = GetKeyState(VK_MENU) < 0 || (lp & (1 << 29)) != 0;
        const UINT modifiers = (GetKeyState(VK_CONTROL) < 0 ? MOD_CONTROL : 0) |
                               (GetKeyState(VK_SHIFT) < 0 ? MOD_SHIFT : 0) | (alt ? MOD_ALT : 0);
        SendMessageW(GetParent(hwnd), kCaptureKey, MAKEWPARAM(wp, modifiers),
                     reinterpret_cast<LPARAM>(hwnd));
        return 0;
    }
    case WM_SYSKEYUP: // keeps a released Alt from opening the window menu
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_CONTEXTMENU:
        return 0;
    default:
        break;
    }
    return hook.Next(hwnd, msg, wp, lp);
}

} // namespace

void AttachCaptureFieldSubclass(HWND edit, ui::CaptureField& field) {
    ControlHook::Attach(edit, &CaptureFieldProc, &field);
    // Only key presses may reach the field: an input method composing into it
    // would slip characters past the subclass.
    ImmAssociateContext(edit, nullptr);
}

HWND FocusedCaptureField() {
    HWND focus = GetFocus();
    return ControlHook::Of(focus, &CaptureFieldProc) != nullptr ? focus : nullptr;
}

} // namespace pw::win32
