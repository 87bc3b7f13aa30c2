#pragma once

#include "platform/win32/NativeControls.h"

#include <commctrl.h>

#include <utility>

namespace pw::win32 {

// Keeps each real control showing what its object holds, and takes the user's
// changes back into the objects without echoing them to the control.
class ControlMirror {
public:
    using Child = NativeControls::Child;
    explicit ControlMirror(NativeControls& controls) : controls_(controls) {}

    // Follows every object from now on and brings its control up to date.
    void Attach();
    void Detach();
    // What the user did, from the controls' notifications.
    void TakeText(const Child& child);
    void TakeChecked(const Child& child);
    void TakeSelection(const Child& child);

private:
    // While native state goes into the objects, or the mirror moves the
    // selection itself, nothing comes back.
    struct Syncing {
        bool& flag;
        const bool was = std::exchange(flag, true);
        ~Syncing() { flag = was; }
    };
    void Push(const Child& child, ui::Change what, int index);
    void PushSelection(const Child& child);

    NativeControls& controls_;
    bool syncing_ = false;
};

} // namespace pw::win32
