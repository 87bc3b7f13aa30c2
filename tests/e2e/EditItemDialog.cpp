#include "EditItemDialog.h"

#include "HotkeyCapture.h"
#include "WindowQuery.h"
#include "hotkeys/SetHotkeyIds.h"

namespace e2e {

HWND EditItemDialog::find(const PastewiseApp& app) {
    return findVisibleTopLevel(app.processId(), kClass);
}

std::optional<EditItemDialog> EditItemDialog::waitFor(const PastewiseApp& app,
                                                      milliseconds timeout) {
    HWND window =
        waitForWindowWithChild(app.processId(), kClass, IDC_SETHOTKEY_UNREGISTER, timeout);
    if (window == nullptr) {
        return std::nullopt;
    }
    return EditItemDialog(app, window);
}

HWND EditItemDialog::control(int id) const {
    return findDescendant(window_, id);
}

bool EditItemDialog::waitForClose(milliseconds timeout) const {
    return waitUntil([&] { return IsWindow(window_) == 0; }, timeout);
}

std::string EditItemDialog::content() const {
    return windowText(control(IDC_SETHOTKEY_CLIPSTR));
}

bool EditItemDialog::setContent(const std::string& text) const {
    const HWND edit = control(IDC_SETHOTKEY_CLIPSTR);
    return setWindowText(edit, text) && windowText(edit) == text;
}

std::string EditItemDialog::hotkey() const {
    return windowText(control(IDC_SETHOTKEY_HOTKEY));
}

HWND EditItemDialog::focus() const {
    return focusOfThread(window_);
}

::testing::AssertionResult EditItemDialog::focusHotkeyField() const {
    return focusCaptureField(window_, control(IDC_SETHOTKEY_HOTKEY));
}

::testing::AssertionResult EditItemDialog::pressInHotkeyField(std::initializer_list<WORD> keys,
                                                              const std::string& expected) const {
    return pressInCaptureField(window_, control(IDC_SETHOTKEY_HOTKEY), keys, expected);
}

bool EditItemDialog::click(int id) const {
    return clickButton(control(id)) && app_->waitForQueuedMessages();
}

} // namespace e2e
