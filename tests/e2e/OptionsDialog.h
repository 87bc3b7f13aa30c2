#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

#include "PastewiseApp.h"

namespace e2e {

// The program's Options dialog (class "TfrmOptions") with the hotkey fields of list positions
// 1 to 10, driven from outside. It only looks at the window; the program makes and destroys it.
class OptionsDialog {
public:
    static constexpr const char* kClass = "TfrmOptions";
    static constexpr int kFields = 10;

    // The dialog the program shows now, if any.
    static HWND find(const PastewiseApp& app);
    // Chooses "&Options..." from the main menu and waits for the dialog.
    static std::optional<OptionsDialog> openFromMainMenu(const PastewiseApp& app);
    // Waits for the dialog to be up with its controls.
    static std::optional<OptionsDialog> waitFor(const PastewiseApp& app,
                                                milliseconds timeout = kDefaultTimeout);

    HWND window() const noexcept { return window_; }
    HWND control(int id) const;
    bool open() const { return IsWindow(window_) != 0 && IsWindowVisible(window_) != 0; }
    bool waitForClose(milliseconds timeout = kDefaultTimeout) const;

    // The field of list position 1 to 10.
    HWND field(int position) const;
    std::string hotkey(int position) const;
    std::array<std::string, kFields> hotkeys() const;

    // Presses the keys in the field of the position as a user does (see pressInCaptureField).
    ::testing::AssertionResult pressInField(int position, std::initializer_list<WORD> keys,
                                            const std::string& expected) const;

    // Clicks the button if it is enabled, and returns once the program has handled the click,
    // or has opened a modal box in handling it.
    bool click(int id) const;

private:
    OptionsDialog(const PastewiseApp& app, HWND window) : app_(&app), window_(window) {}

    const PastewiseApp* app_;
    HWND window_;
};

} // namespace e2e
