#include "hotkeys/PasteKeystrokes.h"

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

} // namespace pw
