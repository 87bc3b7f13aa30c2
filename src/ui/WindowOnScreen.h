#pragma once

#include "ui/Control.h"
#include "ui/Form.h"

#include <span>

namespace pw::ui {

// Bounds a user can take hold of: some monitor's work area shows enough of
// their caption strip, and they are no larger than all the monitors together.
bool IsReachable(const Rect& bounds, std::span<const Rect> workAreas);

// The bounds as they are when reachable; otherwise moved onto the nearest
// work area, as little as it takes, with the size kept within that area and
// at least the minimum. With no work area known they stay as they are.
Rect OnScreen(const Rect& bounds, std::span<const Rect> workAreas, int minWidth, int minHeight);

// Both the bounds and the restored bounds of a placement, each by itself.
WindowPlacement OnScreen(const WindowPlacement& placement, std::span<const Rect> workAreas,
                         int minWidth, int minHeight);

} // namespace pw::ui
