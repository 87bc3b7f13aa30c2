#pragma once

#include "platform/win32/ChildControls.h"
#include "platform/win32/Unique.h"
#include "ui/HintTiming.h"

#include <windows.h>

namespace pw::win32 {

// The hints of a form's controls. They come a moment after the pointer first
// comes over the window: the tooltip window and its tools cost a window of
// their own, which a start-up under the pointer would otherwise pay before
// it can be used.
class FormTooltips {
public:
    FormTooltips(const HWND& owner, ChildControls& children) : owner_(owner), children_(children) {}

    // The pointer is over the window or one of its controls.
    void Want();
    // WM_TIMER: true when it was the tooltips' own.
    bool Timer(WPARAM id);
    // The window is going: its hints go with it.
    void Destroy() { tooltip_.reset(); }

private:
    void Create();

    static constexpr UINT_PTR kTimer = 1;
    const HWND& owner_;
    ChildControls& children_;
    ui::HintTiming timing_;
    UniqueWindow tooltip_;
};

} // namespace pw::win32
