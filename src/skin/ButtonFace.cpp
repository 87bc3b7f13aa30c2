#include "skin/ButtonFace.h"

#include "skin/Strips.h"
#include "ui/DpiScale.h"

namespace pw::skin {

bool FocusAsBoldCaption(ui::VisualStyle style) {
    return style == ui::VisualStyle::MacOS || style == ui::VisualStyle::BlueGlass;
}

ButtonLook PlanButton(const ButtonLookInput& in) {
    ButtonLook look;
    const Strip& strip = ButtonStrip(in.style);
    look.frame = ButtonFrame(in.enabled, in.pressed, in.mouseOver);
    look.slices = FitFrame(strip.Frame(look.frame), strip.cornerWidth, strip.cornerHeight,
                           {0, 0, in.width, in.height}, in.dpi);

    const bool hasGlyph = in.glyphWidth > 0 && in.glyphHeight > 0;
    const int shift = in.pressed && in.enabled ? 1 : 0;
    const bool focusShown = in.focused && in.enabled;
    ui::Rect caption{(in.width - in.captionWidth) / 2, (in.height - in.captionHeight) / 2,
                     in.captionWidth, in.captionHeight};
    if (hasGlyph) {
        const bool twoPictures = in.glyphWidth == 2 * in.glyphHeight;
        const int pictureWidth = twoPictures ? in.glyphHeight : in.glyphWidth;
        const int useFrom = twoPictures && !in.enabled ? pictureWidth : 0;
        const int width = ui::ScaleForDpi(pictureWidth, in.dpi);
        const int height = ui::ScaleForDpi(in.glyphHeight, in.dpi);
        const int spacing = ui::ScaleForDpi(kGlyphSpacing, in.dpi);
        const int captionWidth = in.hasCaption ? in.captionWidth : 0;
        const int left = (in.width - width - captionWidth - spacing) / 2;
        look.glyph = Slice{{useFrom, 0, pictureWidth, in.glyphHeight},
                           {left + shift, (in.height - height) / 2 + shift, width, height}};
        caption.left = left + width + spacing;
        look.wrapCaption = false;
    }
    if (focusShown && FocusAsBoldCaption(in.style))
        look.boldCaption = !hasGlyph;
    else if (focusShown) {
        const int margin = ui::ScaleForDpi(kFocusedRectMargin, in.dpi);
        look.focusRect = ui::Rect{margin, margin, in.width - 2 * margin, in.height - 2 * margin};
    }
    if (!in.hasCaption)
        return look;
    caption.left += shift;
    caption.top += shift;
    if (!in.enabled) {
        ui::Rect shadow = caption;
        shadow.left += 1;
        shadow.top += 1;
        look.captions.push_back({shadow, kShadowText});
        look.captions.push_back({caption, kDisabledText});
    } else {
        look.captions.push_back({caption, ui::Color{0, 0, 0}});
    }
    return look;
}

} // namespace pw::skin
