#pragma once

#include <cstdint>
#include <string>

namespace pw {

class Desktop;
class HotkeyRegistry;
class HotkeyRows;

// Puts the text on the clipboard and types Ctrl+V into the foreground window.
// Returns how many keystrokes the system took. Without a foreground window, or
// when the clipboard would not take the text, nothing is sent: a paste then
// would drop whatever the clipboard held before into the user's document.
unsigned PasteText(Desktop& desktop, const std::string& text);

// A hotkey press: pastes the content of the row its record names. Unknown ids
// and records naming a row that no longer exists are ignored. Auto-add is off
// during the paste so the clipboard watcher does not add the text again.
void DispatchHotkey(std::int32_t id, const HotkeyRegistry& hotkeys, const HotkeyRows& rows,
                    Desktop& desktop, bool& autoAdd);

} // namespace pw
