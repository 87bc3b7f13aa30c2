#pragma once

namespace pw::skin {

// The mouse's and the keyboard's dealings with a skinned button. Each event
// says whether the button must be drawn again; the binding feeds in what the
// system reports.
class ButtonState {
public:
    static constexpr int kRepeatIntervalMs = 100;

    bool MouseOver() const { return mouseOver_; }
    // Held down by the mouse or by Space.
    bool Pressed() const { return pressed_ || keyHeld_; }
    // The repeat notification fires while this holds.
    bool Repeating() const { return repeating_; }

    bool MouseEnter();
    bool MouseLeave();
    // A move outside the bounds (the button holds the mouse while pressed)
    // counts as leaving; inside as entering.
    bool MouseMove(bool inside);
    bool LeftDown();
    // Whether the release clicks: only over the button it went down on.
    bool LeftUp(bool inside);
    // Space on the focused button. The press shows as the mouse's does, and
    // the button's own handling clicks at the release; the mouse coming and
    // going meanwhile does not end it.
    bool KeyDown();
    bool KeyUp();
    // The system took the mouse or the focus away: back to rest, no click.
    bool Cancel();

    int Frame(bool enabled) const;

private:
    bool mouseOver_ = false;
    bool pressed_ = false;
    bool repeating_ = false;
    bool keyHeld_ = false;
};

} // namespace pw::skin
