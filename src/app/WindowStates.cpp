#include "app/WindowStates.h"

#include "app/TrayIcon.h"
#include "platform/Desktop.h"
#include "ui/Form.h"

namespace pw {

namespace {
// Sent by the program itself to hide without the icon.
constexpr std::intptr_t kHideWithoutIcon = 1;
} // namespace

void WindowStates::Hide(ui::FormSite& window, bool addIcon, const std::function<void()>& minimize) {
    // Off the taskbar the minimize is not shown as an entry shrinking to its
    // button; it shrinks towards the icon's place, when known.
    window.SetTaskbarButtonHidden(true);
    if (const std::optional<ScreenRect> area = desktop_.NotificationArea())
        window.SetMinimizedPosition(area->left, area->top);
    minimize();
    window.SetTaskbarButtonHidden(false);
    window.HideWindow();
    if (addIcon)
        tray_.Add();
}

void WindowStates::SystemCommand(ui::FormSite& window, ui::SystemCommand command,
                                 std::intptr_t lParam, bool minimizeHides,
                                 const std::function<void()>& systemDefault) {
    switch (command) {
    case ui::SystemCommand::Minimize:
        if (minimizeHides)
            Hide(window, lParam != kHideWithoutIcon, systemDefault);
        else
            systemDefault();
        return;
    case ui::SystemCommand::Maximize:
        // A minimized window's bounds are its button's, no place to return to.
        if (!window.IsMaximized() && !window.IsMinimized())
            restored_ = window.WindowBounds();
        systemDefault();
        return;
    case ui::SystemCommand::Restore: {
        // Only from maximized: the system's own restored place may be the
        // maximized one (a start in that state). From minimized the window
        // goes back to where it was, which the system knows.
        const bool fromMaximized = window.IsMaximized();
        systemDefault();
        if (fromMaximized)
            window.SetWindowBounds(restored_);
        return;
    }
    case ui::SystemCommand::Other:
        systemDefault();
        return;
    }
}

void WindowStates::RestoreFromTray(ui::FormSite& window) {
    window.ShowWindow();
    if (window.IsMinimized()) {
        window.RestoreIfMinimized();
        tray_.Delete();
    }
    window.BringToFront();
    window.SetTaskbarButtonHidden(false);
    window.BringToFront();
}

} // namespace pw
