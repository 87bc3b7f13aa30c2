#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

class Desktop;

// Modifier flags and key code as the system's hotkey registration takes them.
struct HotkeyCodes {
    std::uint32_t modifiers = 0;
    std::uint32_t vk = 0;
    friend bool operator==(const HotkeyCodes&, const HotkeyCodes&) = default;
};

// What a key press formats to. For a rejected key the text is empty while the
// flags and key code still describe the press.
struct FormattedHotkey {
    std::string text;
    std::uint32_t modifiers = 0;
    std::uint16_t vk = 0; // 0 for a modifier key pressed on its own
    bool rejected = false;
    friend bool operator==(const FormattedHotkey&, const FormattedHotkey&) = default;
};

// The key name written for a virtual-key code; nullopt when the key is rejected.
// The modifier keys themselves have the empty name.
std::optional<std::string> KeyName(std::uint16_t vk);

FormattedHotkey FormatHotkeyText(bool ctrl, bool shift, bool alt, std::uint16_t vk);

// Never fails: unknown words are ignored; single characters go through the
// desktop's layout lookup.
HotkeyCodes ParseHotkeyText(std::string_view text, Desktop& desktop);

// "Ctrl 1" .. "Ctrl 9", "Ctrl 0" for list positions 1 to 10; empty otherwise.
std::string DefaultHotkeyText(int position);

} // namespace pw
