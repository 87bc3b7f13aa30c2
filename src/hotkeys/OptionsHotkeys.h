#pragma once

#include <array>
#include <string>

namespace pw {

// The hotkey texts the Options dialog offers for list positions 1 to 10.
using OptionsHotkeys = std::array<std::string, 10>;

OptionsHotkeys DefaultOptionsHotkeys();

} // namespace pw
