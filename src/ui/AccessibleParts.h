#pragma once

#include "ui/Control.h"
#include "ui/Form.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pw::ui {

// What a control is to assistive technology. A control with a window of its
// own answers for itself; the window answers for those it draws.
enum class AccessibleRole { OwnWindow, Link, Graphic, StaticText, Grouping };

struct AccessiblePart {
    Control* control = nullptr;
    AccessibleRole role = AccessibleRole::OwnWindow;
    std::string name;
    // The hint, when the name is something else.
    std::string description;
    // What the default action is called; empty for none.
    std::string defaultAction;
    Rect bounds; // on the window
    bool enabled = true;
    bool visible = true;
};

// The form's controls as assistive technology sees them, in the design's
// order. `drawn` tells which the window draws on itself. Pictures that neither
// say nor do anything (the banner's background) are left out, as is a
// group frame without a caption.
std::vector<AccessiblePart> AccessibleParts(const Form& form,
                                            const std::function<bool(const Control&)>& drawn);

// What a click on the part does, run from assistive technology; false when
// it has no action or is unavailable.
bool DoDefaultAction(const AccessiblePart& part);

// A caption as it is read out: the '&' marking a mnemonic dropped, "&&" an
// ampersand.
std::string SpokenCaption(std::string_view caption);

} // namespace pw::ui
