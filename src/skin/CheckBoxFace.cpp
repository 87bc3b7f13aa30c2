#include "skin/CheckBoxFace.h"

#include "skin/ButtonFace.h"
#include "skin/Strips.h"
#include "ui/DpiScale.h"

#include <algorithm>

namespace pw::skin {

namespace {

constexpr int kPictureLeft = 1;
constexpr int kCaptionGap = 4;

ui::Size PictureSize(int dpi) {
    const Strip& strip = CheckBoxStrip(ui::VisualStyle::MacOS);
    return {ui::ScaleForDpi(strip.FrameWidth(), dpi), ui::ScaleForDpi(strip.height, dpi)};
}

} // namespace

CheckBoxLook PlanCheckBox(const CheckBoxLookInput& in) {
    CheckBoxLook look;
    look.frame = CheckBoxFrame(in.checked, in.enabled);
    look.pictureFrom = CheckBoxStrip(ui::VisualStyle::MacOS).Frame(look.frame);
    const ui::Size picture = PictureSize(in.dpi);
    look.picture = {ui::ScaleForDpi(kPictureLeft, in.dpi), (in.height - picture.height) / 2,
                    picture.width, picture.height};
    look.caption = {look.picture.left + picture.width + ui::ScaleForDpi(kCaptionGap, in.dpi),
                    (in.height - in.letterHeight) / 2, in.captionWidth, in.letterHeight};
    look.captionColor = in.enabled ? ui::Color{0, 0, 0} : kDisabledText;
    if (in.focused && in.enabled)
        look.focusRect = ui::Rect{look.caption.left - 1, look.caption.top - 1,
                                  look.caption.width + 2, look.caption.height + 2};
    return look;
}

ui::Size CheckBoxAutoSize(int captionWidth, int letterHeight, int dpi) {
    const ui::Size picture = PictureSize(dpi);
    const int margin = ui::ScaleForDpi(4, dpi);
    return {picture.width + captionWidth + ui::ScaleForDpi(8, dpi),
            std::max(letterHeight + ui::ScaleForDpi(2, dpi), picture.height) + margin};
}

ui::Rect AutoSizedBounds(const ui::Rect& placed, ui::Size autoSize) {
    return {placed.left, placed.top, std::min(placed.width, autoSize.width), autoSize.height};
}

int CheckBoxCaptionRoom(int width, int dpi) {
    return std::max(0, width - PictureSize(dpi).width - ui::ScaleForDpi(8, dpi));
}

int FittingFontHeight(int fontHeight, int room, const std::function<int(int height)>& widthAt) {
    int height = fontHeight;
    // Widths grow about in step with the height, but not exactly: after the
    // proportional step, one pixel at a time until it fits.
    for (int width = widthAt(height); width > room && height > 1; width = widthAt(height))
        height = std::max(1, std::min(height * room / width, height - 1));
    return height;
}

} // namespace pw::skin
