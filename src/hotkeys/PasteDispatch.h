#pragma once

#include "platform/Desktop.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pw {

class HotkeyRegistry;
class HotkeyRows;

// The keystrokes that give the foreground window a plain Ctrl+V while the user
// still holds these modifier keys (of the hotkey just pressed): Shift, Alt and
// the Windows keys are let go first, behind a key of no meaning so that
// letting go of Alt or Windows opens no menu, and are not pressed again; Ctrl
// is pressed, and let go, only when it is not held already, so a user who
// keeps Ctrl down can press the next hotkey. With nothing held these are Ctrl
// down, V down, V up, Ctrl up.
std::vector<KeyStroke> PasteKeystrokes(std::span<const std::uint16_t> modifiersDown);

// Puts the text on the clipboard and types Ctrl+V into the foreground window,
// all keystrokes in one go. Returns how many keystrokes the system took. Without a foreground
// window, or when the clipboard would not take the text, nothing is sent: a paste then would drop
// whatever the clipboard held before into the user's document.
unsigned PasteText(Desktop& desktop, const std::string& text);

// A hotkey press: pastes the content of the row its record names. Unknown ids
// and records naming a row that no longer exists are ignored. Auto-add is off
// during the paste so the clipboard watcher does not add the text again.
void DispatchHotkey(std::int32_t id, const HotkeyRegistry& hotkeys, const HotkeyRows& rows,
                    Desktop& desktop, bool& autoAdd);

} // namespace pw
