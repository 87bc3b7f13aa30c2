#include "skin/Strips.h"

#include "skin/SkinIds.h"

#include <algorithm>

namespace pw::skin {

namespace {

// The caps of the rounded button stay whole; the square ones keep their bevel.
constexpr Strip kMacOsButton{IDB_MACOS_BUTTON, 252, 23, 3, 10, 11};
constexpr Strip kWinXpButton{IDB_WINXP_BUTTON, 54, 21, 3, 4, 4};
constexpr Strip kMacOsCheckBox{IDB_MACOS_CHECKBOX, 60, 17, 4, 0, 0};

} // namespace

ui::Rect Strip::Frame(int k) const {
    const int index = std::clamp(k, 1, std::max(1, frames)) - 1;
    return {index * FrameWidth(), 0, FrameWidth(), height};
}

// The program draws only these two button looks; the others fall back to the
// nearest of them.
const Strip& ButtonStrip(ui::VisualStyle style) {
    return style == ui::VisualStyle::WinXP ? kWinXpButton : kMacOsButton;
}

const Strip& CheckBoxStrip(ui::VisualStyle) {
    return kMacOsCheckBox;
}

int ButtonFrame(bool enabled, bool pressed, bool mouseOver) {
    if (!enabled)
        return 1;
    if (pressed)
        return 3;
    return mouseOver ? 2 : 1;
}

int CheckBoxFrame(bool checked, bool enabled) {
    return (checked ? 1 : 2) + (enabled ? 0 : 2);
}

} // namespace pw::skin
