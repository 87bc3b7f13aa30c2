#include "platform/win32/FormAccessibility.h"

#include "platform/win32/AccessibilityLibrary.h"
#include "platform/win32/DrawnControls.h"
#include "platform/win32/WindowAccessible.h"
#include "platform/win32/WindowMessages.h"

#include <utility>

namespace pw::win32 {

std::vector<ui::AccessiblePart> FormAccessibility::Parts() const {
    return ui::AccessibleParts(form_, [this](const ui::Control& control) {
        return children_.DrawsLabelsAndPictures() && DrawnControls::Draws(control);
    });
}

bool FormAccessibility::Answer(WPARAM wp, LPARAM lp, LRESULT& result) {
    if (static_cast<LONG>(static_cast<DWORD>(lp)) != OBJID_CLIENT ||
        !children_.DrawsLabelsAndPictures() || window_ == nullptr)
        return false;
    const AccessibilityLibrary* library = Accessibility();
    if (library == nullptr)
        return false;
    if (object_ == nullptr) {
        HWND hwnd = window_;
        object_ = WindowAccessible::Create(
            *library, hwnd, [this] { return Parts(); },
            [this](const ui::Control& control) { return children_.WindowOf(control); },
            [hwnd](long child) {
                PostMessageW(hwnd, kAccessibleAction, static_cast<WPARAM>(child), 0);
            });
        if (object_ == nullptr)
            return false;
    }
    result = library->lresultFromObject(__uuidof(IAccessible), wp, object_);
    return true;
}

void FormAccessibility::RunAction(long child) {
    const std::vector<ui::AccessiblePart> parts = Parts();
    if (child >= 1 && static_cast<std::size_t>(child) <= parts.size())
        ui::DoDefaultAction(parts[static_cast<std::size_t>(child) - 1]);
}

void FormAccessibility::Forget() {
    if (object_ == nullptr)
        return;
    WindowAccessible* object = std::exchange(object_, nullptr);
    object->Disconnect();
    object->Release();
}

} // namespace pw::win32
