#include "platform/win32/FormWindow.h"

namespace pw::win32 {

bool FormWindow::PaintStatic(HDC dc, const ui::Control& control, LRESULT& result) {
    const auto* label = dynamic_cast<const ui::Label*>(&control);
    const auto* image = dynamic_cast<const ui::Image*>(&control);
    const std::optional<ui::Color> font = label != nullptr ? label->FontColor() : std::nullopt;
    const std::optional<ui::Color> back = label != nullptr   ? label->BackColor()
                                          : image != nullptr ? image->Fill()
                                                             : std::nullopt;
    if (!font && !back)
        return false;
    if (font)
        SetTextColor(dc, RGB(font->r, font->g, font->b));
    if (label != nullptr)
        SetBkMode(dc, TRANSPARENT);
    HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    if (back) {
        const std::uint32_t key = RGB(back->r, back->g, back->b);
        auto it = brushes_.find(key);
        if (it == brushes_.end())
            it = brushes_.emplace(key, UniqueGdiObject(CreateSolidBrush(key))).first;
        brush = static_cast<HBRUSH>(it->second.get());
    }
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

} // namespace pw::win32
