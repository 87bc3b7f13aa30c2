#include "ui/Form.h"

#include "ui/DpiScale.h"

#include <utility>

namespace pw::ui {

void Form::SetCaption(std::string caption) {
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    if (OnCaptionChanged)
        OnCaptionChanged();
}

void Form::Place(Control& control, Control* parent, int id, Rect bounds, std::string text,
                 std::string hint) {
    control.SetBounds(bounds);
    if (!text.empty())
        if (auto* t = dynamic_cast<TextControl*>(&control))
            t->SetText(std::move(text));
    if (!hint.empty())
        control.SetHint(std::move(hint));
    if (auto* button = dynamic_cast<Button*>(&control))
        button->OnModalResult = [this](ModalResult result) { SetModalResult(result); };
    controls_.push_back({&control, parent, id, bounds});
}

Rect Placement::BoundsOnWindow() const {
    Rect r = control->Bounds();
    if (parent != nullptr) {
        r.left += parent->Bounds().left;
        r.top += parent->Bounds().top;
    }
    return r;
}

Control* Form::FindById(int id) const {
    for (const Placement& p : controls_)
        if (p.id == id)
            return p.control;
    return nullptr;
}

void Form::ScaleToDpi(int dpi) {
    for (const Placement& p : controls_)
        p.control->SetBounds(ScaleForDpi(p.design, dpi));
}

bool Form::RunShortcut(std::uint16_t vk, bool ctrl, bool shift, bool alt) {
    if (shift || alt)
        return false;
    for (const Shortcut& s : shortcuts_)
        if (s.vk == vk && s.ctrl == ctrl)
            return s.action->Execute();
    return false;
}

bool Form::Cancel() {
    if (cancelButton_ == nullptr)
        return false;
    cancelButton_->Click();
    return true;
}

void Form::Idle() {
    for (Action* a : actions_)
        a->Update();
}

} // namespace pw::ui
