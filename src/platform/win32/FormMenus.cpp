#include "platform/win32/FormMenus.h"

#include "platform/win32/SkinCanvas.h"
#include "platform/win32/WideText.h"
#include "skin/MenuFace.h"

#include <string>
#include <vector>

namespace pw::win32 {

namespace {

// The system's menu font at the window's DPI.
HFONT CreateMenuFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) == FALSE)
        return nullptr;
    const int systemDpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY);
    if (systemDpi > 0)
        metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, dpi, systemDpi);
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

} // namespace

void FormMenus::Popup(const ui::PopupMenu& menu, int x, int y, const RECT* keyboardAnchor) {
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
        const skin::MenuItemType type =
            skin::MenuItemTypeFor(item.IsSeparator(), item.Enabled(), ownerDrawn);
        // The caption stays the item's text when drawn by the program, for
        // screen readers.
        std::wstring caption = Wide(item.Text());
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.fType =
            (type.separator ? MFT_SEPARATOR : MFT_STRING) | (type.ownerDrawn ? MFT_OWNERDRAW : 0);
        info.fState = type.enabled ? MFS_ENABLED : MFS_DISABLED;
        info.wID = type.separator ? 0 : static_cast<UINT>(i + 1);
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
        if (type.captioned) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = caption.data();
        }
        InsertMenuItemW(popup.get(), static_cast<UINT>(i), TRUE, &info);
    }
    shown_ = &menu;
    UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY;
    TPMPARAMS clear{sizeof(clear), {}};
    if (keyboardAnchor != nullptr) {
        // On the side of the anchor with more room: Wine does not move a
        // menu off the rectangle it is told to keep clear, it shifts the menu
        // over it to fit the screen.
        clear.rcExclude = *keyboardAnchor;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (GetMonitorInfoW(MonitorFromRect(keyboardAnchor, MONITOR_DEFAULTTONEAREST), &monitor) &&
            monitor.rcWork.bottom - keyboardAnchor->bottom <
                keyboardAnchor->top - monitor.rcWork.top) {
            flags |= TPM_BOTTOMALIGN;
            at.y = keyboardAnchor->top;
        }
        flags |= TPM_VERTICAL;
        // The menu's own loop takes the key from the queue: Down from no
        // selection selects the first item.
        PostMessageW(owner_, WM_KEYDOWN, VK_DOWN, 0);
    }
    const int chosen = static_cast<int>(TrackPopupMenuEx(
        popup.get(), flags, at.x, at.y, owner_, keyboardAnchor != nullptr ? &clear : nullptr));
    shown_ = nullptr;
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= items.size())
        items[static_cast<std::size_t>(chosen) - 1]->Click();
}

bool FormMenus::Measure(MEASUREITEMSTRUCT& m, int dpi) {
    if (m.CtlType != ODT_MENU || shown_ == nullptr || m.itemData == 0)
        return false;
    const auto& item = *reinterpret_cast<const ui::MenuItem*>(m.itemData);
    font_.reset(CreateMenuFont(dpi));
    HDC dc = MeasuringDc();
    const FontScope font(dc, static_cast<HFONT>(font_.get()));
    const skin::MenuCaption text = skin::SplitMenuCaption(item.Text());
    const SIZE caption = MeasureText(dc, text.caption, DT_SINGLELINE);
    const int shortcut = text.shortcut.empty() ? 0 : MeasureText(dc, text.shortcut, 0).cx;
    const ui::Size size =
        skin::MeasureMenuItem(item.IsSeparator(), {caption.cx, caption.cy}, shortcut, dpi);
    m.itemWidth = static_cast<UINT>(size.width);
    m.itemHeight = static_cast<UINT>(size.height);
    return true;
}

bool FormMenus::Draw(const DRAWITEMSTRUCT& d, int dpi) {
    if (d.CtlType != ODT_MENU || shown_ == nullptr || d.itemData == 0)
        return false;
    const auto& item = *reinterpret_cast<const ui::MenuItem*>(d.itemData);
    const skin::MenuCaption text = skin::SplitMenuCaption(item.Text());
    const int width = d.rcItem.right - d.rcItem.left;
    const int height = d.rcItem.bottom - d.rcItem.top;
    // Drawn at the origin off the screen, then copied to the item's place.
    const SavedDc saved(d.hDC);
    SetViewportOrgEx(d.hDC, d.rcItem.left, d.rcItem.top, nullptr);
    {
        const OffscreenCanvas canvas(d.hDC, width, height);
        HDC dc = canvas.dc();
        const skin::MenuColors& colors = skin::DeepBlueColors();
        const SelectedObject font(dc, font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
        skin::MenuItemLookInput in{{0, 0, width, height}, dpi, item.IsSeparator()};
        in.selected = (d.itemState & ODS_SELECTED) != 0;
        in.enabled = (d.itemState & (ODS_GRAYED | ODS_DISABLED)) == 0;
        in.checked = (d.itemState & ODS_CHECKED) != 0;
        in.shortcutWidth = text.shortcut.empty() ? 0 : MeasureText(dc, text.shortcut, 0).cx;
        const skin::MenuItemLook look = skin::PlanMenuItem(in, colors);
        for (const skin::ColorRect& fill : look.fills)
            Fill(dc, fill.at, fill.color);
        if (!item.IsSeparator()) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ToColorRef(look.textColor));
            const UINT line =
                DT_SINGLELINE | DT_VCENTER | ((d.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0);
            RECT r = ToRECT(look.caption);
            DrawTextW(dc, Wide(text.caption).c_str(), -1, &r, line);
            r = ToRECT(look.shortcut);
            DrawTextW(dc, Wide(text.shortcut).c_str(), -1, &r,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (look.checkMark) {
            RECT r = ToRECT(*look.checkMark);
            DrawFrameControl(dc, &r, DFC_MENU, DFCS_MENUCHECK);
        }
    }
    return true;
}

std::optional<LRESULT> FormMenus::MenuChar(wchar_t key) const {
    if (shown_ == nullptr || !shown_->Skin())
        return std::nullopt;
    // The program's mnemonics are letters and digits of the basic Latin
    // alphabet; no other character chooses one.
    if (key >= 0x80)
        return MAKELRESULT(0, MNC_IGNORE);
    std::vector<std::string> captions;
    std::vector<bool> enabled;
    for (const ui::MenuItem* item : shown_->Items()) {
        captions.push_back(item->IsSeparator() ? std::string() : item->Text());
        enabled.push_back(item->Enabled());
    }
    const int index = skin::MnemonicItem(captions, enabled, static_cast<char>(key));
    return index < 0 ? MAKELRESULT(0, MNC_IGNORE) : MAKELRESULT(index, MNC_EXECUTE);
}

} // namespace pw::win32
