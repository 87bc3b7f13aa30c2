#include "hotkeys/PasteDispatch.h"

#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/HotkeyRows.h"
#include "platform/Desktop.h"

#include <algorithm>

namespace pw {

namespace {

constexpr std::uint16_t kVkControl = 0x11;
constexpr std::uint16_t kVkV = 0x56;
// A key code no keyboard has and no program reads.
constexpr std::uint16_t kVkNeutral = 0xE8;

bool IsControl(std::uint16_t vk) {
    return vk == kVkLeftControl || vk == kVkRightControl;
}

bool OpensMenuAlone(std::uint16_t vk) {
    return vk == kVkLeftAlt || vk == kVkRightAlt || vk == kVkLeftWin || vk == kVkRightWin;
}

// Restores a setting however the scope is left.
class SwitchedOff {
public:
    explicit SwitchedOff(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
    ~SwitchedOff() { flag_ = saved_; }
    SwitchedOff(const SwitchedOff&) = delete;
    SwitchedOff& operator=(const SwitchedOff&) = delete;

private:
    bool& flag_;
    bool saved_;
};

} // namespace

std::vector<KeyStroke> PasteKeystrokes(std::span<const std::uint16_t> modifiersDown) {
    std::vector<KeyStroke> keys;
    if (std::any_of(modifiersDown.begin(), modifiersDown.end(), OpensMenuAlone)) {
        keys.push_back({kVkNeutral, false});
        keys.push_back({kVkNeutral, true});
    }
    bool ctrlHeld = false;
    for (const std::uint16_t vk : modifiersDown) {
        if (IsControl(vk))
            ctrlHeld = true;
        else
            keys.push_back({vk, true});
    }
    if (!ctrlHeld)
        keys.push_back({kVkControl, false});
    keys.push_back({kVkV, false});
    keys.push_back({kVkV, true});
    if (!ctrlHeld)
        keys.push_back({kVkControl, true});
    return keys;
}

unsigned PasteText(Desktop& desktop, const std::string& text) {
    if (!desktop.HasForegroundWindow())
        return 0;
    if (!desktop.SetClipboardText(text))
        return 0;
    const std::vector<std::uint16_t> held = desktop.ModifierKeysDown();
    return desktop.SendKeys(PasteKeystrokes(held));
}

void DispatchHotkey(std::int32_t id, const HotkeyRegistry& hotkeys, const HotkeyRows& rows,
                    Desktop& desktop, bool& autoAdd) {
    const THotkeyInfo* record = hotkeys.Records().FindById(id);
    if (record == nullptr)
        return;
    const std::int32_t row = record->Index;
    if (row <= 0 || row > rows.RowCount())
        return;
    SwitchedOff pause(autoAdd);
    // A copy: the paste may let other messages in that change the rows.
    const std::string text =
        rows.Content(row - 1); // NOLINT(performance-unnecessary-copy-initialization)
    PasteText(desktop, text);
}

} // namespace pw
