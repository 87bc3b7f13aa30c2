#pragma once

#include "ui/Control.h"

#include <vector>

namespace pw::skin {

// One piece of a picture and where it goes.
struct Slice {
    ui::Rect from;
    ui::Rect to;
    friend bool operator==(const Slice&, const Slice&) = default;
};

// Fits a frame (`source`, a part of a strip) into a target of another size:
// the corners keep their size (their size at this DPI), the edges stretch
// along their length only, the middle stretches both ways. A target smaller
// than two corners shares its size between them. Empty pieces are left out.
std::vector<Slice> FitFrame(const ui::Rect& source, int cornerWidth, int cornerHeight,
                            const ui::Rect& target, int dpi);

} // namespace pw::skin
