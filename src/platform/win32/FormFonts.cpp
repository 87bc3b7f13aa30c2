#include "platform/win32/FormFonts.h"

#include "ui/DpiScale.h"

namespace pw::win32 {

HFONT CreateDesignFont(int dpi) {
    return CreateFontW(-ui::ScaleForDpi(11, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

void FormFonts::Make(int dpi) {
    plain_.reset(CreateDesignFont(dpi));
    LOGFONTW design{};
    GetObjectW(plain_.get(), sizeof(design), &design);
    LOGFONTW variant = design;
    variant.lfWeight = FW_BOLD;
    bold_.reset(CreateFontIndirectW(&variant));
    variant = design;
    variant.lfUnderline = TRUE;
    link_.reset(CreateFontIndirectW(&variant));
    variant.lfWeight = FW_BOLD;
    boldLink_.reset(CreateFontIndirectW(&variant));
}

HFONT FormFonts::For(const ui::Control& control) const {
    const auto* label = dynamic_cast<const ui::Label*>(&control);
    if (label == nullptr)
        return static_cast<HFONT>(plain_.get());
    const UniqueGdiObject* fonts[2][2] = {{&plain_, &link_}, {&bold_, &boldLink_}};
    return static_cast<HFONT>(fonts[label->Bold()][label->Underlined()]->get());
}

} // namespace pw::win32
