#pragma once

#include "platform/win32/ChildControls.h"
#include "ui/AccessibleParts.h"
#include "ui/Form.h"

#include <windows.h>

#include <vector>

namespace pw::win32 {

class WindowAccessible;

// What a form window that draws some of its controls tells assistive
// technology: one accessible object per window, made at the first request
// and cut loose when the window goes (a reader may hold it longer).
class FormAccessibility {
public:
    FormAccessibility(const HWND& window, ui::Form& form, ChildControls& children)
        : window_(window), form_(form), children_(children) {}
    ~FormAccessibility() { Forget(); }
    FormAccessibility(const FormAccessibility&) = delete;
    FormAccessibility& operator=(const FormAccessibility&) = delete;

    // WM_GETOBJECT: false leaves it to the system, for a window with a window
    // for each control and for anything but the client area.
    bool Answer(WPARAM wp, LPARAM lp, LRESULT& result);
    // A drawn child's default action, asked for by a reader a moment ago.
    void RunAction(long child);
    void Forget();

private:
    std::vector<ui::AccessiblePart> Parts() const;

    const HWND& window_;
    ui::Form& form_;
    ChildControls& children_;
    WindowAccessible* object_ = nullptr; // the window's reference
};

} // namespace pw::win32
