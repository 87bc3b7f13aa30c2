#include "platform/win32/PopupMenus.h"

#include "platform/win32/Unique.h"

namespace pw::win32 {

void TrackPopup(HWND owner, const ui::PopupMenu& menu, int x, int y) {
    if (x == -1 && y == -1) {
        POINT at{};
        GetCursorPos(&at);
        x = at.x;
        y = at.y;
    }
    UniqueMenu popup(CreatePopupMenu());
    if (!popup)
        return;
    const auto& items = menu.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ui::MenuItem& item = *items[i];
        if (item.IsSeparator())
            AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(popup.get(), MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED), i + 1,
                        item.Text().c_str());
    }
    const int chosen = static_cast<int>(TrackPopupMenu(
        popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr));
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= items.size())
        items[static_cast<std::size_t>(chosen) - 1]->Click();
}

} // namespace pw::win32
