#pragma once

#include "ui/Control.h"
#include "ui/SystemCommand.h"
#include "ui/WindowPlacement.h"

#include <cstdint>
#include <functional>

namespace pw {

class Desktop;
class TrayIcon;
namespace ui {
class FormSite;
}

// The main window between shown, minimized and hidden in the notification
// area, and the bounds it returns to from maximized.
class WindowStates {
public:
    WindowStates(Desktop& desktop, TrayIcon& tray) : desktop_(desktop), tray_(tray) {}

    ui::Rect RestoredBounds() const { return restored_; }
    void SetRestoredBounds(const ui::Rect& bounds) { restored_ = bounds; }
    // The restored bounds the settings keep: where a window in the normal
    // state stands, the bounds kept at maximizing for a maximized one.
    ui::Rect RestoredBoundsToStore(const ui::WindowPlacement& now) const {
        return now.maximized ? restored_ : now.bounds;
    }

    // `systemDefault` carries out the system's own handling, which each
    // command runs exactly once. `minimizeHides`: the user has closed the
    // window once.
    void SystemCommand(ui::FormSite& window, ui::SystemCommand command, std::intptr_t lParam,
                       bool minimizeHides, const std::function<void()>& systemDefault);
    // Shows the window again; its icon goes when it comes back from hiding.
    void RestoreFromTray(ui::FormSite& window);

private:
    void Hide(ui::FormSite& window, bool addIcon, const std::function<void()>& minimize);

    Desktop& desktop_;
    TrayIcon& tray_;
    ui::Rect restored_{};
};

} // namespace pw
