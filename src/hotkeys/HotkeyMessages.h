#pragma once

namespace pw {

inline constexpr const char* kHotkeySettingFailed =
    "Hotkey setting failed, please try changing to another key!";
inline constexpr const char* kHotkeyOverlaps =
    "This hotkey overlaps with other pre-set hotkeys in the list.";
inline constexpr const char* kHotkeyNotAsSet =
    "Please check if the hotkey is the same as originally set.";
inline constexpr const char* kHotkeyUnregistered = "Unregistere hotkey successfully.";

} // namespace pw
