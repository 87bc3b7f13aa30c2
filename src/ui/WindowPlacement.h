#pragma once

#include "ui/Control.h"

namespace pw::ui {

// Where a window stands: its bounds, whether it is maximized, and the bounds
// it returns to from there.
struct WindowPlacement {
    Rect bounds{342, 192, 529, 516};
    bool maximized = false;
    Rect normal{342, 192, 529, 516};
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

} // namespace pw::ui
