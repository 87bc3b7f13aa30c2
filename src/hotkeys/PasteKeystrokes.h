#pragma once

#include "platform/Desktop.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pw {

// The keystrokes that give the foreground window a plain Ctrl+V while the user
// still holds these modifier keys (of the hotkey just pressed): Shift, Alt and
// the Windows keys are let go first, behind a key of no meaning so that
// letting go of Alt or Windows opens no menu, and are not pressed again; Ctrl
// is pressed, and let go, only when it is not held already, so a user who
// keeps Ctrl down can press the next hotkey. With nothing held these are Ctrl
// down, V down, V up, Ctrl up.
std::vector<KeyStroke> PasteKeystrokes(std::span<const std::uint16_t> modifiersDown);

} // namespace pw
