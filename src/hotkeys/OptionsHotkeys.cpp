#include "hotkeys/OptionsHotkeys.h"

#include "hotkeys/HotkeyText.h"

namespace pw {

OptionsHotkeys DefaultOptionsHotkeys() {
    OptionsHotkeys texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = DefaultHotkeyText(static_cast<int>(i) + 1);
    return texts;
}

} // namespace pw
