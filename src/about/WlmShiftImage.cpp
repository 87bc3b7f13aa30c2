#include "about/WlmShiftImage.h"

namespace pw {

void TWlmShiftImage::MouseEntered() {
    if (OnMouseEnter)
        OnMouseEnter(*this);
    Show(focused_);
}

void TWlmShiftImage::MouseLeft() {
    if (OnMouseLeave)
        OnMouseLeave(*this);
    Show(noFocused_);
}

void TWlmShiftImage::Pressed() {
    Move(kShift);
}

void TWlmShiftImage::Released() {
    Move(-kShift);
}

void TWlmShiftImage::Show(const ui::Picture& picture) {
    if (Enabled())
        SetPicture(picture);
}

void TWlmShiftImage::Move(int by) {
    ui::Rect r = Bounds();
    r.left += by;
    r.top += by;
    SetBounds(r);
}

} // namespace pw
