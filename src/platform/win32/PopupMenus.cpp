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
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ui::MenuItem& item = *items[i];
        if (item.IsSeparator())
            AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(popup.get(), MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED), i + 1,
                        item.Text().c_str());
    }
    const int chosen =
        static_cast<int>(TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                        at.x, at.y, 0, hwnd_, nullptr));
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
