#include "ui/LabelColors.h"

namespace pw::ui {

LabelColors ChooseLabelColors(const Label& label, bool highContrast, const SystemColors& system) {
    if (!highContrast)
        return {label.FontColor().value_or(label.Enabled() ? system.windowText : system.grayText),
                label.BackColor().value_or(system.buttonFace)};
    const bool onBand = label.BackColor().has_value();
    const bool opens = label.IsLink() || static_cast<bool>(label.OnClick);
    const Color text = !label.Enabled() ? system.grayText
                       : opens          ? system.hotLight
                       : onBand         ? system.windowText
                                        : system.buttonText;
    return {text, onBand ? system.window : system.buttonFace};
}

} // namespace pw::ui
