#pragma once

#include "skin/NineSlice.h"
#include "ui/Control.h"
#include "ui/VisualStyle.h"

#include <optional>
#include <vector>

namespace pw::skin {

inline constexpr int kGlyphSpacing = 4;
inline constexpr int kFocusedRectMargin = 2;
inline constexpr ui::Color kDisabledText{128, 128, 128};
inline constexpr ui::Color kShadowText{255, 255, 255};

struct ButtonLookInput {
    ui::VisualStyle style = ui::VisualStyle::MacOS;
    int width = 0;
    int height = 0;
    int dpi = 96;
    bool enabled = true;
    bool focused = false;
    bool pressed = false;
    bool mouseOver = false;
    bool hasCaption = true; // not blank after trimming
    // The glyph bitmap as stored (two pictures side by side when twice as
    // wide as high), 0 x 0 for none.
    int glyphWidth = 0;
    int glyphHeight = 0;
    // The caption measured in the font it is drawn in (bold when focused
    // that way): on one line beside a glyph, else wrapped within the button.
    int captionWidth = 0;
    int captionHeight = 0;
};

struct CaptionDraw {
    ui::Rect at;
    ui::Color color;
    friend bool operator==(const CaptionDraw&, const CaptionDraw&) = default;
};

// Everything the painter needs, in the button's own pixels.
struct ButtonLook {
    int frame = 1;
    std::vector<Slice> slices;
    std::optional<Slice> glyph;
    bool boldCaption = false;
    bool wrapCaption = true;
    // In drawing order: a disabled caption's shadow comes first.
    std::vector<CaptionDraw> captions;
    std::optional<ui::Rect> focusRect;
};

// Whether a focused button shows it by a bold caption (the rounded looks)
// rather than by a dotted rectangle.
bool FocusAsBoldCaption(ui::VisualStyle style);

ButtonLook PlanButton(const ButtonLookInput& in);

} // namespace pw::skin
