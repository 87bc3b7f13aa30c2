#include "platform/win32/FormWindow.h"

#include "platform/win32/SkinCanvas.h"
#include "platform/win32/WindowDpi.h"
#include "skin/MenuFace.h"

#include <algorithm>
#include <string>
#include <vector>

namespace pw::win32 {

namespace {

// The system's menu font at the window's DPI.
HFONT CreateMenuFont(int dpi) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) == FALSE)
        return nullptr;
    const int systemDpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY);
    if (systemDpi > 0)
        metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, dpi, systemDpi);
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

} // namespace

bool FormWindow::MeasureMenuItem(MEASUREITEMSTRUCT& m) {
    if (m.CtlType != ODT_MENU || shownMenu_ == nullptr || m.itemData == 0)
        return false;
    const auto& item = *reinterpret_cast<const ui::MenuItem*>(m.itemData);
    const int dpi = Dpi();
    menuFont_.reset(CreateMenuFont(dpi));
    HDC dc = MeasuringDc();
    const FontScope font(dc, static_cast<HFONT>(menuFont_.get()));
    const skin::MenuCaption text = skin::SplitMenuCaption(item.Text());
    const SIZE caption = MeasureText(dc, text.caption, DT_SINGLELINE);
    const int shortcut = text.shortcut.empty() ? 0 : MeasureText(dc, text.shortcut, 0).cx;
    const ui::Size size =
        skin::MeasureMenuItem(item.IsSeparator(), {caption.cx, caption.cy}, shortcut, dpi);
    m.itemWidth = static_cast<UINT>(size.width);
    m.itemHeight = static_cast<UINT>(size.height);
    return true;
}

bool FormWindow::DrawMenuItem(const DRAWITEMSTRUCT& d) {
    if (d.CtlType != ODT_MENU || shownMenu_ == nullptr || d.itemData == 0)
        return false;
    const auto& item = *reinterpret_cast<const ui::MenuItem*>(d.itemData);
    const skin::MenuCaption text = skin::SplitMenuCaption(item.Text());
    const int width = d.rcItem.right - d.rcItem.left;
    const int height = d.rcItem.bottom - d.rcItem.top;
    // Drawn at the origin off the screen, then copied to the item's place.
    const int saved = SaveDC(d.hDC);
    SetViewportOrgEx(d.hDC, d.rcItem.left, d.rcItem.top, nullptr);
    {
        const OffscreenCanvas canvas(d.hDC, width, height);
        HDC dc = canvas.dc();
        const skin::MenuColors& colors = skin::DeepBlueColors();
        HGDIOBJ old =
            SelectObject(dc, menuFont_ ? menuFont_.get() : GetStockObject(DEFAULT_GUI_FONT));
        skin::MenuItemLookInput in{{0, 0, width, height}, Dpi(), item.IsSeparator()};
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
            DrawTextA(dc, text.caption.c_str(), -1, &r, line);
            r = ToRECT(look.shortcut);
            DrawTextA(dc, text.shortcut.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (look.checkMark) {
            RECT r = ToRECT(*look.checkMark);
            DrawFrameControl(dc, &r, DFC_MENU, DFCS_MENUCHECK);
        }
        SelectObject(dc, old);
    }
    RestoreDC(d.hDC, saved);
    return true;
}

LRESULT FormWindow::MenuChar(char key) const {
    std::vector<std::string> captions;
    std::vector<bool> enabled;
    for (const ui::MenuItem* item : shownMenu_->Items()) {
        captions.push_back(item->IsSeparator() ? std::string() : item->Text());
        enabled.push_back(item->Enabled());
    }
    const int index = skin::MnemonicItem(captions, enabled, key);
    return index < 0 ? MAKELRESULT(0, MNC_IGNORE) : MAKELRESULT(index, MNC_EXECUTE);
}

} // namespace pw::win32
