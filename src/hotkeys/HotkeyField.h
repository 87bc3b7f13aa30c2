#pragma once

#include "ui/Control.h"

#include <cstdint>
#include <string>

namespace pw {

// An entry field filled by pressing a key combination instead of typing: each
// key press replaces the whole text with that press's hotkey text and records
// the modifiers and key code a registration takes. Typed characters never
// reach the text, and releasing keys changes nothing.
class HotkeyField : public ui::CaptureField {
public:
    explicit HotkeyField(std::string name) : ui::CaptureField(std::move(name)) {}

    // Every press that reaches the field, automatic repeats and Alt
    // combinations included. Delete alone shows "Del", as after modifiers.
    // A rejected key empties the text and is still recorded as pressed.
    void KeyDown(std::uint16_t vk, bool ctrl, bool shift, bool alt);

    // The keys the field takes before the window's own navigation sees them:
    // all but Tab and Shift+Tab, which move the focus. Ctrl+Tab is captured.
    static bool TakesKey(std::uint16_t vk, bool ctrl);

    // One of the program's hotkeys, pressed while the field has the focus: the
    // system hands it over as a hotkey (registration flags and key) instead of
    // as key presses, and the field takes it as it would take the press, so
    // that the combination is captured rather than pasted.
    void HotkeyPressed(std::uint32_t modifiers, std::uint16_t vk);

    // ui::CaptureField
    bool Takes(std::uint16_t vk, bool ctrl) const override { return TakesKey(vk, ctrl); }
    void TakeCombination(std::uint32_t modifiers, std::uint16_t vk) override {
        HotkeyPressed(modifiers, vk);
    }

    std::uint32_t CapturedModifiers() const { return capturedModifiers_; }
    std::uint16_t CapturedKey() const { return capturedKey_; }

private:
    std::uint32_t capturedModifiers_ = 0;
    std::uint16_t capturedKey_ = 0;
};

} // namespace pw
