#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "PastewiseApp.h"

namespace e2e {

// The system's open or save dialog as the program shows it (class #32770, told apart from a
// message box by its file name box), driven from outside.
class FileDialog {
public:
    // Waits for the dialog to be up with its file name box.
    static std::optional<FileDialog> waitFor(const PastewiseApp& app,
                                             milliseconds timeout = kDefaultTimeout);

    // Waits for the dialog and chooses the path in it (see choose()).
    static ::testing::AssertionResult chooseIn(const PastewiseApp& app, const std::string& path);

    HWND window() const noexcept { return window_; }
    std::string title() const;
    // The box the file name is typed into.
    HWND fileNameBox() const noexcept { return fileName_; }
    // Puts the text into the file name box (a full path chooses the folder too) and presses
    // the dialog's Open or Save button; returns once the dialog has gone.
    ::testing::AssertionResult choose(const std::string& path) const;
    // Presses Cancel; returns once the dialog has gone.
    ::testing::AssertionResult cancel() const;

private:
    FileDialog(HWND window, HWND fileName) : window_(window), fileName_(fileName) {}

    ::testing::AssertionResult press(int id) const;

    HWND window_;
    HWND fileName_;
};

} // namespace e2e
