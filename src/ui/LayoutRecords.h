#pragma once

#include "ui/Control.h"
#include "ui/Form.h"

#include <initializer_list>
#include <vector>

namespace pw::ui {

// How a control follows a change of its window's size, by its kind.
enum class ResizeRule {
    None,   // stays where it is
    List,   // width and height in proportion
    Width,  // width in proportion
    Button, // left in proportion, kept at a fixed distance above the bottom edge
};

ResizeRule RuleFor(Kind kind);

// A window's design as it stood right after the window was built: its client
// size then, and each control with its design rectangle. Every resize computes
// from these, never from where the controls are now.
class LayoutRecords {
public:
    // Once per window. The controls in `keepSize` (images that take the size of
    // their picture) follow no rule. A window without a client area has no
    // proportions to keep, and stays unrecorded.
    void Record(const Form& form, Size baseClient, int dpi,
                std::initializer_list<const Control*> keepSize);
    bool Recorded() const { return baseDpi_ != 0; }

    // The current client size over the base one, at the same DPI.
    double HorizontalScale(Size client, int dpi) const;
    double VerticalScale(Size client, int dpi) const;

    // Every recorded control by its rule, from its design rectangle.
    void ProportionalPass(Size client, int dpi) const;

private:
    struct Entry {
        Control* control = nullptr;
        Rect design;
        ResizeRule rule = ResizeRule::None;
    };
    std::vector<Entry> entries_;
    Size base_;
    int baseDpi_ = 0;
};

} // namespace pw::ui
