#pragma once

#include "ui/Control.h"
#include "ui/Form.h"

#include <functional>
#include <optional>

namespace pw::skin {

struct CheckBoxLookInput {
    int width = 0;
    int height = 0;
    int dpi = 96;
    bool checked = false;
    bool enabled = true;
    bool focused = false;
    // Measured in the check box's font: the caption on one line, and the
    // height of the letter "W" that the caption is centred on.
    int captionWidth = 0;
    int letterHeight = 0;
};

struct CheckBoxLook {
    int frame = 1;
    ui::Rect pictureFrom;
    ui::Rect picture;
    ui::Rect caption;
    ui::Color captionColor;
    std::optional<ui::Rect> focusRect;
};

CheckBoxLook PlanCheckBox(const CheckBoxLookInput& in);

// The size that shows the whole picture and caption, whatever font the
// system substituted for the design's.
ui::Size CheckBoxAutoSize(int captionWidth, int letterHeight, int dpi);

// Where an automatically sized check box goes: at its place, as high as it
// needs, and as wide as it needs but never wider than the layout made it,
// which would run it into its neighbours.
ui::Rect AutoSizedBounds(const ui::Rect& placed, ui::Size autoSize);

// The width a check box of this width leaves its caption.
int CheckBoxCaptionRoom(int width, int dpi);
// The font height (pixels), at most `fontHeight`, at which the caption fits
// `room` as `widthAt` measures it: a system font wider than the design's
// shrinks the caption rather than clipping it. Never below 1.
int FittingFontHeight(int fontHeight, int room, const std::function<int(int height)>& widthAt);

} // namespace pw::skin
