#pragma once

#include "ui/Control.h"

#include <span>

namespace pw::ui {

// A control that a window draws itself, as the pointer sees it.
struct PointerTarget {
    Rect bounds;
    bool visible = true;
    // Labels lie over pictures; a frame takes no part in the mouse.
    bool label = false;
    bool frame = false;
};

// The target under `x`, `y`: labels before pictures, a later target before an
// earlier one; -1 for none.
int TargetAt(std::span<const PointerTarget> targets, int x, int y);

// What one mouse message did among the drawn targets, by index (-1 for none).
struct PointerEffects {
    int left = -1;     // the pointer is no longer over it
    int entered = -1;  // the pointer came over it
    int held = -1;     // a target pressed: the window takes the mouse
    int released = -1; // the held target let go: `click` says whether it clicks
    bool click = false;
    bool handled = false; // the message was the drawn targets' own
};

// The pointer's dealings with a window's drawn targets: the hover follows it
// (while a target is held, only that target counts); a press holds a picture,
// whatever the button, and a label, with the left button; and the release
// clicks only with the left button over the target it went down on, as a
// button does, so a link dragged off opens nothing. The binding relays the
// mouse and carries out the effects.
class DrawnPointer {
public:
    PointerEffects Move(std::span<const PointerTarget> targets, int x, int y);
    PointerEffects Leave();
    PointerEffects Press(std::span<const PointerTarget> targets, int x, int y, bool leftButton);
    PointerEffects Release(std::span<const PointerTarget> targets, int x, int y, bool leftButton);
    // The system took the mouse away while a picture was held: no click.
    PointerEffects CaptureLost();
    // The targets are gone.
    void Forget() { hover_ = held_ = -1; }
    int Hover() const { return hover_; }

private:
    void HoverOver(int over, PointerEffects& effects);

    int hover_ = -1;
    int held_ = -1;
};

} // namespace pw::ui
