#pragma once

namespace pw::ui {

// The looks a skinned control can take; the values are those the windows'
// designs store. A window or menu without one keeps the system's look.
enum class VisualStyle {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5
};

} // namespace pw::ui
