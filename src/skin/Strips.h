#pragma once

#include "ui/Control.h"
#include "ui/VisualStyle.h"

namespace pw::skin {

// The pictures of a control's states side by side in one bitmap, in frames of
// equal width numbered from 1 at the left. Magenta pixels are see-through.
struct Strip {
    int resourceId = 0;
    int width = 0;
    int height = 0;
    int frames = 1;
    // How many pixels at each side of a frame stay unstretched when the
    // frame is fitted to a control of another size.
    int cornerWidth = 0;
    int cornerHeight = 0;

    int FrameWidth() const { return frames > 0 ? width / frames : 0; }
    // Frames out of range give the nearest frame.
    ui::Rect Frame(int k) const;
};

inline constexpr ui::Color kTransparent{255, 0, 255};

// Button frames: 1 normal (and disabled), 2 mouse over, 3 pressed.
const Strip& ButtonStrip(ui::VisualStyle style);
const Strip& CheckBoxStrip(ui::VisualStyle style);

int ButtonFrame(bool enabled, bool pressed, bool mouseOver);
// 1 checked, 2 unchecked, 3 checked and disabled, 4 unchecked and disabled.
int CheckBoxFrame(bool checked, bool enabled);

// A colour as the designs store it: red in the lowest byte.
constexpr ui::Color FromDesignColor(int value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

} // namespace pw::skin
