#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "Input.h"
#include "Notepad.h"
#include "PastewiseApp.h"

namespace e2e {

// Presses the combination (modifiers first) with notepad in front and waits for notepad to
// show `expected`.
inline ::testing::AssertionResult pasteInNotepad(const PastewiseApp& app, const Notepad& notepad,
                                                 std::initializer_list<WORD> keys,
                                                 const std::string& expected) {
    if (!notepad.focus()) {
        return ::testing::AssertionFailure() << "notepad did not get the focus";
    }
    if (!app.pressHotkey(keys)) {
        return ::testing::AssertionFailure() << "pressing " << describeKeys(keys) << " failed";
    }
    if (!notepad.waitForText(expected)) {
        return ::testing::AssertionFailure()
               << "after " << describeKeys(keys) << " notepad shows \"" << notepad.text()
               << "\", expected \"" << expected << "\"";
    }
    return ::testing::AssertionSuccess();
}

// The same for Ctrl+key.
inline ::testing::AssertionResult pasteInNotepad(const PastewiseApp& app, const Notepad& notepad,
                                                 char key, const std::string& expected) {
    return pasteInNotepad(
        app, notepad, {VK_CONTROL, static_cast<WORD>(static_cast<unsigned char>(key))}, expected);
}

} // namespace e2e
