#pragma once

#include "ui/Control.h"

namespace pw::ui {

// The system's colours a label can take, as the binding reads them.
struct SystemColors {
    Color windowText;
    Color buttonText;
    Color grayText;
    Color hotLight; // links
    Color window;
    Color buttonFace;
};

struct LabelColors {
    Color text;
    Color back;
    friend bool operator==(const LabelColors&, const LabelColors&) = default;
};

// A label's text and background. Its own colours, or the window's text on the
// face colour where it has none; under a high-contrast theme only the
// system's, whatever the design says: the hot-track colour for what a click
// opens, and a label on a coloured band of its own (the banner) takes the
// window colour with the window text on it, so it stays readable whatever
// the band's picture shows.
LabelColors ChooseLabelColors(const Label& label, bool highContrast, const SystemColors& system);

} // namespace pw::ui
