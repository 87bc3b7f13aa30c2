#include "ui/DrawnPointer.h"

#include <utility>

namespace pw::ui {

namespace {

bool Contains(const Rect& r, int x, int y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

} // namespace

int TargetAt(std::span<const PointerTarget> targets, int x, int y) {
    for (const bool labels : {true, false})
        for (int i = static_cast<int>(targets.size()) - 1; i >= 0; --i) {
            const PointerTarget& t = targets[static_cast<std::size_t>(i)];
            if (t.visible && !t.frame && t.label == labels && Contains(t.bounds, x, y))
                return i;
        }
    return -1;
}

void DrawnPointer::HoverOver(int over, PointerEffects& effects) {
    if (over == hover_)
        return;
    effects.left = std::exchange(hover_, over);
    effects.entered = over;
}

PointerEffects DrawnPointer::Move(std::span<const PointerTarget> targets, int x, int y) {
    PointerEffects effects;
    const int over = TargetAt(targets, x, y);
    HoverOver(held_ >= 0 ? (over == held_ ? held_ : -1) : over, effects);
    effects.handled = hover_ >= 0;
    return effects;
}

PointerEffects DrawnPointer::Leave() {
    PointerEffects effects;
    HoverOver(-1, effects);
    return effects;
}

PointerEffects DrawnPointer::Press(std::span<const PointerTarget> targets, int x, int y,
                                   bool leftButton) {
    PointerEffects effects;
    const int over = TargetAt(targets, x, y);
    if (over < 0)
        return effects;
    effects.handled = true;
    // Only a picture sinks under the other buttons.
    if (targets[static_cast<std::size_t>(over)].label && !leftButton)
        return effects;
    effects.held = held_ = over;
    return effects;
}

PointerEffects DrawnPointer::Release(std::span<const PointerTarget> targets, int x, int y,
                                     bool leftButton) {
    PointerEffects effects;
    if (held_ < 0)
        return effects;
    effects.handled = true;
    effects.released = std::exchange(held_, -1);
    effects.click = leftButton && static_cast<std::size_t>(effects.released) < targets.size() &&
                    Contains(targets[static_cast<std::size_t>(effects.released)].bounds, x, y);
    return effects;
}

PointerEffects DrawnPointer::CaptureLost() {
    PointerEffects effects;
    effects.released = std::exchange(held_, -1);
    return effects;
}

} // namespace pw::ui
