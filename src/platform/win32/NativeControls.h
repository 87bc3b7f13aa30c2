#pragma once

#include "platform/win32/Unique.h"
#include "ui/Form.h"

#include <windows.h>

#include <vector>

namespace pw::win32 {

// The real controls of one window: a child window for each control object of
// the form's design, in the design's font, with its hint as a tooltip.
class NativeControls {
public:
    struct Child {
        ui::Placement placement;
        HWND hwnd = nullptr;
    };

    // The children get their styles here, their state from the mirror.
    void Create(HWND window, const std::vector<ui::Placement>& design);
    std::vector<Child>& Children() { return children_; }
    const Child* Find(HWND hwnd) const;
    // The child windows went with their parent.
    void Clear() { children_.clear(); }

private:
    HWND CreateChild(HWND window, const ui::Placement& p);

    HWND tooltip_ = nullptr;
    UniqueGdiObject font_;
    std::vector<Child> children_;
};

} // namespace pw::win32
