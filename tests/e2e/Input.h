#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace e2e {

// Presses the keys down in order / lets them go in reverse order. A digit or capital letter
// is its own virtual-key code ('1', 'V').
bool holdKeys(std::initializer_list<WORD> keys);
bool releaseKeys(std::initializer_list<WORD> keys);

// Types the text into whatever has the keyboard focus, character by character.
bool typeText(std::wstring_view text);

// A left click at the centre of the window, with the real mouse pointer.
bool clickCentre(HWND window);

} // namespace e2e
