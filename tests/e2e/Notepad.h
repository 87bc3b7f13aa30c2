#pragma once

#include <windows.h>

#include <string>

#include "Process.h"

namespace e2e {

// Wine's notepad as the program a snippet is pasted into. Started by the constructor (throws
// if it does not come up); closed on destruction, declining to save, or ended the hard way.
class Notepad {
public:
    Notepad();
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;
    ~Notepad();

    HWND window() const noexcept { return window_; }
    HWND edit() const noexcept { return edit_; }
    DWORD processId() const noexcept { return process_.id(); }

    std::string text() const;
    // Brings notepad to the front with the keyboard focus in its text, ready for keys.
    bool focus() const;
    // Selects all of its text and copies it with Ctrl+A, Ctrl+C as a user does; succeeds once
    // the clipboard holds that text (which must differ from what it held before).
    bool copyAll() const;
    // Waits for the text to become `expected`.
    bool waitForText(const std::string& expected, milliseconds timeout = kDefaultTimeout) const;

private:
    bool tryFocus() const;
    void close() noexcept;

    Process process_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

} // namespace e2e
