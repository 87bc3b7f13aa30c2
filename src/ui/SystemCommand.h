#pragma once

namespace pw::ui {

// The commands of a window's system menu (and its caption buttons) that the
// program handles in its own way; every other one is Other and goes to the
// system as it came.
enum class SystemCommand {
    Minimize,
    Maximize,
    Restore,
    Other,
};

} // namespace pw::ui
