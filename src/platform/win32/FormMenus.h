#pragma once

#include "platform/win32/Unique.h"
#include "ui/Form.h"

#include <windows.h>

#include <optional>

namespace pw::win32 {

// The popup menus a form shows: the system's, or drawn in the skin, item by
// item, when the menu has one and no high-contrast theme is on.
class FormMenus {
public:
    FormMenus(const HWND& owner, ui::Form& form) : owner_(owner), form_(form) {}

    // At a screen position; at the pointer when both are -1. Runs the chosen
    // item. Opened from the keyboard at an anchor (on the screen), the first
    // item is selected and the menu leaves the anchor in sight.
    void Popup(const ui::PopupMenu& menu, int x, int y, const RECT* keyboardAnchor = nullptr);
    // WM_MEASUREITEM and WM_DRAWITEM of a skinned item; false for anything else.
    bool Measure(MEASUREITEMSTRUCT& item, int dpi);
    bool Draw(const DRAWITEMSTRUCT& item, int dpi);
    // WM_MENUCHAR while a skinned menu is up: the item the key's character
    // chooses.
    std::optional<LRESULT> MenuChar(wchar_t key) const;

private:
    const HWND& owner_;
    ui::Form& form_;
    // The popup menu on the screen, while it is.
    const ui::PopupMenu* shown_ = nullptr;
    UniqueGdiObject font_;
};

} // namespace pw::win32
