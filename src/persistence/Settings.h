#pragma once

#include "hotkeys/OptionsHotkeys.h"

namespace pw {

// The settings the main window works with. They start at their defaults until
// the settings file is read at start-up.
struct Settings {
    bool autoCopy = false;
    bool autoAdd = false;
    bool alwaysOnTop = false;
    OptionsHotkeys optionsHotkeys = DefaultOptionsHotkeys();
};

} // namespace pw
