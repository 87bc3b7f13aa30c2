#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "PastewiseApp.h"

namespace e2e {

// The program's Edit item dialog (class "TfrmSetHotkey"), driven from outside like the main
// window. It only looks at the window; the program makes and destroys it.
class EditItemDialog {
public:
    static constexpr const char* kClass = "TfrmSetHotkey";

    // The dialog the program shows now, if any.
    static HWND find(const PastewiseApp& app);
    // Waits for the dialog to be up with its controls.
    static std::optional<EditItemDialog> waitFor(const PastewiseApp& app,
                                                 milliseconds timeout = kDefaultTimeout);

    HWND window() const noexcept { return window_; }
    HWND control(int id) const;
    bool open() const { return IsWindow(window_) != 0 && IsWindowVisible(window_) != 0; }
    bool waitForClose(milliseconds timeout = kDefaultTimeout) const;

    std::string content() const;
    bool setContent(const std::string& text) const;
    std::string hotkey() const;
    // The control with the keyboard focus in the program.
    HWND focus() const;

    // Puts the keyboard focus in the hotkey field by clicking it, with the dialog in front.
    ::testing::AssertionResult focusHotkeyField() const;
    // Presses the keys in the hotkey field as a user does (see pressInCaptureField).
    ::testing::AssertionResult pressInHotkeyField(std::initializer_list<WORD> keys,
                                                  const std::string& expected) const;

    // Clicks the button if it is enabled, and returns once the program has handled the click,
    // or has opened a modal box in handling it.
    bool click(int id) const;

private:
    EditItemDialog(const PastewiseApp& app, HWND window) : app_(&app), window_(window) {}

    const PastewiseApp* app_;
    HWND window_;
};

} // namespace e2e
