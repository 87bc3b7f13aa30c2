#include "ui/Control.h"

#include <algorithm>
#include <utility>

namespace pw::ui {

Rect CentredIn(const Rect& area, int width, int height) {
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2, width,
            height};
}

void Control::SetBounds(Rect r) {
    r = Fitted(r);
    if (r == bounds_)
        return;
    bounds_ = r;
    Notify(Change::State);
}

void Control::SetEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    Notify(Change::State);
}

void Control::SetVisible(bool on) {
    if (on == visible_)
        return;
    visible_ = on;
    Notify(Change::State);
}

void Control::Notify(Change what, int index) const {
    if (observer_)
        observer_(what, index);
}

void TextControl::SetText(std::string text) {
    if (text == text_)
        return;
    text_ = std::move(text);
    Notify(Change::Text);
}

void Label::SetTextWidth(int width) {
    textWidth_ = width;
    SetBounds(Bounds());
}

Rect Label::Fitted(Rect r) const {
    r.width = std::max(r.width, textWidth_);
    return r;
}

void Label::SetLinkColors(Color link, Color hover) {
    linkColor_ = link;
    hoverColor_ = hover;
    SetFontColor(link);
}

void Label::MouseEnter() {
    if (hoverColor_ && fontColor_ != hoverColor_)
        SetFontColor(*hoverColor_);
}

void Label::MouseLeave() {
    if (linkColor_ && fontColor_ != linkColor_)
        SetFontColor(*linkColor_);
}

void Button::Click() {
    if (!Enabled())
        return;
    if (modalResult_ != ModalResult::None && OnModalResult)
        OnModalResult(modalResult_);
    if (OnClick)
        OnClick();
}

void CheckBox::SetChecked(bool on) {
    if (on == checked_)
        return;
    checked_ = on;
    Notify(Change::State);
    if (OnClick)
        OnClick();
}

void Image::SetPicture(Picture picture) {
    if (picture == picture_)
        return;
    picture_ = std::move(picture);
    Notify(Change::State);
}

void Image::Click() {
    if (Enabled() && OnClick)
        OnClick();
}

void Image::MouseEnter() {
    if (!std::exchange(inside_, true))
        MouseEntered();
}

void Image::MouseLeave() {
    if (std::exchange(inside_, false))
        MouseLeft();
}

void Image::MouseDown() {
    if (!std::exchange(pressed_, true))
        Pressed();
}

bool Image::MouseUp(bool clickable) {
    if (!std::exchange(pressed_, false))
        return false;
    Released();
    return clickable && Enabled();
}

} // namespace pw::ui
