#include "platform/win32/HotkeyFieldSubclass.h"

#include "hotkeys/HotkeyField.h"
#include "platform/win32/FormWindow.h"

#include <commctrl.h>
#include <imm.h>

namespace pw::win32 {

namespace {

bool TakesKey(WPARAM vk) {
    return HotkeyField::TakesKey(static_cast<std::uint16_t>(vk), GetKeyState(VK_CONTROL) < 0);
}

// The field takes every key press itself, Alt combinations included, and lets
// no character, paste or editing command change its text.
LRESULT CALLBACK HotkeyFieldProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR data) noexcept {
    try {
        switch (msg) {
        case WM_GETDLGCODE: {
            const auto* pending = reinterpret_cast<const MSG*>(lp);
            if (pending != nullptr && pending->message == WM_KEYDOWN && !TakesKey(pending->wParam))
                return DefSubclassProc(hwnd, msg, wp, lp) & ~DLGC_WANTTAB;
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!TakesKey(wp))
                break;
            reinterpret_cast<HotkeyField*>(data)->KeyDown(
                static_cast<std::uint16_t>(wp), GetKeyState(VK_CONTROL) < 0,
                GetKeyState(VK_SHIFT) < 0,
                GetKeyState(VK_MENU) < 0 || (msg == WM_SYSKEYDOWN && (lp & (1 << 29)) != 0));
            return 0;
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
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &HotkeyFieldProc, 0);
            break;
        default:
            break;
        }
    } catch (...) {
        if (FormWindow* window = FormWindow::FromHandle(GetParent(hwnd)))
            window->ReportError("Unexpected error in the hotkey field.");
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

} // namespace

void AttachHotkeyFieldSubclass(HWND edit, HotkeyField& field) {
    SetWindowSubclass(edit, &HotkeyFieldProc, 0, reinterpret_cast<DWORD_PTR>(&field));
    // Only key presses may reach the field: an input method composing into it
    // would slip characters past the subclass.
    ImmAssociateContext(edit, nullptr);
}

HotkeyField* FocusedHotkeyField() {
    HWND focus = GetFocus();
    DWORD_PTR field = 0;
    if (focus == nullptr || GetWindowSubclass(focus, &HotkeyFieldProc, 0, &field) == FALSE)
        return nullptr;
    return reinterpret_cast<HotkeyField*>(field);
}

} // namespace pw::win32
