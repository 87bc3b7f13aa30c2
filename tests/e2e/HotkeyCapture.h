#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace e2e {

// A hotkey capture field of one of the program's dialogs (Edit item, Options), worked with
// the real keyboard.

// Puts the keyboard focus in the field by clicking it, with the dialog in front.
::testing::AssertionResult focusCaptureField(HWND dialog, HWND field);

// Presses the keys in the field as a user does, each once the field shows the one before,
// holding them until the field shows `expected`. Wine may drop a modifier held while the focus
// settles, so a press that does not show up is tried again.
::testing::AssertionResult pressInCaptureField(HWND dialog, HWND field,
                                               std::initializer_list<WORD> keys,
                                               const std::string& expected);

} // namespace e2e
