#include "platform/win32/FormWindow.h"

#include "platform/win32/Unique.h"

namespace pw::win32 {

void FormWindow::Popup(const ui::PopupMenu& menu, int x, int y) {
    form_.Idle(); // availability as of now, not as of the last idle moment
    POINT at{x, y};
    if (x == -1 && y == -1)
        GetCursorPos(&at);
    UniqueMenu popup(CreatePopupMenu());
    if (!popup)
        return;
    const auto& items = menu.Items();
    // Drawn by the program, each item carries its object; the system's look
    // under a high-contrast theme.
    const bool ownerDrawn = menu.Skin().has_value() && !HighContrastOn();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ui::MenuItem& item = *items[i];
        const UINT state = item.Enabled() ? MF_ENABLED : MF_GRAYED;
        if (ownerDrawn) {
            // The caption stays the item's text, for screen readers.
            MENUITEMINFOA info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
            info.fType = MFT_OWNERDRAW;
            info.fState = item.Enabled() && !item.IsSeparator() ? MFS_ENABLED : MFS_DISABLED;
            info.wID = static_cast<UINT>(i + 1);
            info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
            info.dwTypeData = const_cast<char*>(item.Text().c_str());
            InsertMenuItemA(popup.get(), static_cast<UINT>(i), TRUE, &info);
        } else if (item.IsSeparator())
            AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(popup.get(), MF_STRING | state, i + 1, item.Text().c_str());
    }
    shownMenu_ = &menu;
    const int chosen =
        static_cast<int>(TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                        at.x, at.y, 0, hwnd_, nullptr));
    shownMenu_ = nullptr;
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= items.size())
        items[static_cast<std::size_t>(chosen) - 1]->Click();
}

bool FormWindow::OnContextMenu(HWND source, LPARAM lp) {
    const NativeChild* child = FindChild(source);
    if (child == nullptr || child->placement.control->ContextMenu() == nullptr)
        return false;
    POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    RECT r{};
    if (at.x == -1 && at.y == -1 && GetWindowRect(source, &r)) // from the keyboard
        at = {r.left, r.top};
    Popup(*child->placement.control->ContextMenu(), at.x, at.y);
    return true;
}

} // namespace pw::win32
