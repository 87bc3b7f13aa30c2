#include "skin/ButtonState.h"

#include "skin/Strips.h"

#include <utility>

namespace pw::skin {

bool ButtonState::MouseEnter() {
    return !std::exchange(mouseOver_, true);
}

bool ButtonState::MouseLeave() {
    const bool changed = mouseOver_ || pressed_;
    mouseOver_ = pressed_ = repeating_ = false;
    return changed;
}

bool ButtonState::MouseMove(bool inside) {
    return inside ? MouseEnter() : MouseLeave();
}

bool ButtonState::LeftDown() {
    mouseOver_ = true;
    repeating_ = true;
    return !std::exchange(pressed_, true);
}

bool ButtonState::LeftUp(bool inside) {
    const bool wasPressed = std::exchange(pressed_, false);
    repeating_ = false;
    mouseOver_ = inside;
    return wasPressed && inside;
}

bool ButtonState::KeyDown() {
    const bool was = Pressed();
    keyHeld_ = true;
    return !was;
}

bool ButtonState::KeyUp() {
    const bool was = Pressed();
    keyHeld_ = false;
    return was != Pressed();
}

bool ButtonState::Cancel() {
    const bool changed = Pressed();
    pressed_ = repeating_ = keyHeld_ = false;
    return changed;
}

int ButtonState::Frame(bool enabled) const {
    return ButtonFrame(enabled, Pressed(), mouseOver_);
}

} // namespace pw::skin
