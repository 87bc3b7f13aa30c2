#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace e2e {

// Presses the keys down in order / lets them go in reverse order. A digit or capital letter
// is its own virtual-key code ('1', 'V').
bool holdKeys(std::initializer_list<WORD> keys);
bool releaseKeys(std::initializer_list<WORD> keys);
// Presses the keys down in order and lets them go in reverse order, in one go.
bool pressKeys(std::initializer_list<WORD> keys);

// Holds the modifier down, taps each key, and lets the modifier go, all in one go, as a
// macro tool or a programmable key sends a row of hotkeys.
bool tapKeysHolding(WORD modifier, std::initializer_list<WORD> keys);

// "Ctrl+Shift+K" for {VK_CONTROL, VK_SHIFT, 'K'}, for messages.
std::string describeKeys(std::initializer_list<WORD> keys);

// Types the text into whatever has the keyboard focus, character by character.
bool typeText(std::wstring_view text);

// A left click at the centre of the window, with the real mouse pointer.
bool clickCentre(HWND window);
// Left clicks (two make a double-click) at a point of the screen, with the real mouse pointer.
bool clickAt(POINT point, int clicks = 1);
// A right click there, as opens a context menu.
bool rightClickAt(POINT point);
// The real pointer moved there; the left button pressed or let go there.
bool moveMouseTo(POINT point);
bool leftButtonAt(POINT point, bool down);

} // namespace e2e
