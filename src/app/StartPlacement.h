#pragma once

#include "ui/Form.h"

namespace pw {

class Desktop;

// The smallest outer size of the main window.
inline constexpr int kMainMinWidth = 537;
inline constexpr int kMainMinHeight = 468;

// The stored placement as the main window can take it on the monitors there
// are now: bounds a user could not take hold of (a monitor that is gone, no
// width) are moved onto the nearest one; any others stay exactly.
ui::WindowPlacement PlacementOnScreen(const ui::WindowPlacement& stored, Desktop& desktop);

} // namespace pw
