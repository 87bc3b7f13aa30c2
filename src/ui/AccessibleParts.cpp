#include "ui/AccessibleParts.h"

namespace pw::ui {

namespace {

constexpr const char* kClick = "Click";

AccessiblePart DrawnPart(Control& control) {
    AccessiblePart part;
    part.control = &control;
    part.enabled = control.Enabled();
    part.visible = control.Visible();
    const std::string& hint = control.Hint();
    if (auto* label = dynamic_cast<Label*>(&control)) {
        const bool opens = label->IsLink() || static_cast<bool>(label->OnClick);
        part.role = opens ? AccessibleRole::Link : AccessibleRole::StaticText;
        part.name = SpokenCaption(label->Text());
        if (opens)
            part.defaultAction = kClick;
    } else if (auto* image = dynamic_cast<Image*>(&control)) {
        part.role = AccessibleRole::Graphic;
        part.name = control.AccessibleName();
        if (image->OnClick)
            part.defaultAction = kClick;
    } else if (auto* group = dynamic_cast<GroupBox*>(&control)) {
        part.role = AccessibleRole::Grouping;
        part.name = SpokenCaption(group->Text());
    }
    if (part.name.empty())
        part.name = hint;
    else if (hint != part.name)
        part.description = hint;
    return part;
}

} // namespace

std::string SpokenCaption(std::string_view caption) {
    std::string spoken;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

std::vector<AccessiblePart> AccessibleParts(const Form& form,
                                            const std::function<bool(const Control&)>& drawn) {
    std::vector<AccessiblePart> parts;
    for (const Placement& placement : form.Controls()) {
        Control& control = *placement.control;
        if (control.GetKind() == Kind::MenuItem)
            continue;
        if (!drawn(control)) {
            AccessiblePart part;
            part.control = &control;
            part.bounds = placement.BoundsOnWindow();
            part.enabled = control.Enabled();
            part.visible = control.Visible();
            parts.push_back(std::move(part));
            continue;
        }
        AccessiblePart part = DrawnPart(control);
        part.bounds = placement.BoundsOnWindow();
        // Nothing to say and nothing to do: decoration.
        if (part.name.empty() && part.defaultAction.empty())
            continue;
        parts.push_back(std::move(part));
    }
    return parts;
}

bool DoDefaultAction(const AccessiblePart& part) {
    if (part.defaultAction.empty() || !part.enabled || !part.visible)
        return false;
    if (auto* label = dynamic_cast<Label*>(part.control)) {
        if (!label->OnClick)
            return false;
        label->OnClick();
        return true;
    }
    if (auto* image = dynamic_cast<Image*>(part.control)) {
        image->Click();
        return true;
    }
    return false;
}

} // namespace pw::ui
