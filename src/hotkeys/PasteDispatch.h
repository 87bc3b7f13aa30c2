#pragma once

#include <cstdint>

namespace pw {

class HotkeyRegistry;
class HotkeyRows;
class PasteQueue;

// A hotkey press: pastes, through the queue, the content of the row its record
// names as it is now. `key` is the hotkey's own key. Unknown ids and records
// naming a row that no longer exists are ignored.
void DispatchHotkey(std::int32_t id, std::uint16_t key, const HotkeyRegistry& hotkeys,
                    const HotkeyRows& rows, PasteQueue& pastes);

} // namespace pw
