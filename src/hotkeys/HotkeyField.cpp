#include "hotkeys/HotkeyField.h"

#include "hotkeys/HotkeyText.h"
#include "platform/Desktop.h"

namespace pw {

namespace {
constexpr std::uint16_t kVkTab = 9;
}

void HotkeyField::KeyDown(std::uint16_t vk, bool ctrl, bool shift, bool alt) {
    FormattedHotkey press = FormatHotkeyText(ctrl, shift, alt, vk);
    capturedModifiers_ = press.modifiers;
    capturedKey_ = press.vk;
    SetText(std::move(press.text));
}

void HotkeyField::HotkeyPressed(std::uint32_t modifiers, std::uint16_t vk) {
    const bool ctrl = (modifiers & kModControl) != 0;
    if (TakesKey(vk, ctrl))
        KeyDown(vk, ctrl, (modifiers & kModShift) != 0, (modifiers & kModAlt) != 0);
}

bool HotkeyField::TakesKey(std::uint16_t vk, bool ctrl) {
    return vk != kVkTab || ctrl;
}

} // namespace pw
