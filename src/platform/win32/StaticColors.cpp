#include "platform/win32/StaticColors.h"

namespace pw::win32 {

bool StaticColors::Paint(HDC dc, const ui::Control& control, LRESULT& result) {
    std::optional<ui::Color> back;
    if (control.GetKind() == ui::Kind::Image) {
        back = static_cast<const ui::Image&>(control).Fill();
        if (!back)
            return false;
    } else if (control.GetKind() == ui::Kind::Label) {
        const auto& label = static_cast<const ui::Label&>(control);
        back = label.BackColor();
        const std::optional<ui::Color> font = label.FontColor();
        if (!back && !font)
            return false;
        if (font)
            SetTextColor(dc, RGB(font->r, font->g, font->b));
        SetBkMode(dc, TRANSPARENT);
    } else {
        return false;
    }
    if (!back) {
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    const std::uint32_t key = RGB(back->r, back->g, back->b);
    auto it = brushes_.find(key);
    if (it == brushes_.end())
        it = brushes_.emplace(key, UniqueGdiObject(CreateSolidBrush(key))).first;
    result = reinterpret_cast<LRESULT>(it->second.get());
    return true;
}

} // namespace pw::win32
