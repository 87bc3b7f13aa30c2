#include "ui/Action.h"

namespace pw::ui {

void Action::Link(Control& control) {
    linked_.push_back(&control);
    control.SetEnabled(enabled_);
}

void Action::SetEnabled(bool on) {
    enabled_ = on;
    for (Control* c : linked_)
        c->SetEnabled(on);
}

void Action::Update() {
    if (OnUpdate)
        SetEnabled(OnUpdate());
}

bool Action::Execute() {
    Update();
    if (!enabled_ || !OnExecute)
        return false;
    OnExecute();
    return true;
}

} // namespace pw::ui
