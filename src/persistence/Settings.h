#pragma once

#include <array>
#include <string>

namespace pw {

// The hotkey texts the Options dialog offers for list positions 1 to 10.
using OptionsHotkeys = std::array<std::string, 10>;

OptionsHotkeys DefaultOptionsHotkeys();

// The settings the main window works with. They start at their defaults until
// the settings file is read at start-up.
struct Settings {
    bool autoCopy = false;
    bool autoAdd = false;
    bool alwaysOnTop = false;
    OptionsHotkeys optionsHotkeys = DefaultOptionsHotkeys();
};

} // namespace pw
