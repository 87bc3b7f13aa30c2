#include "EditItemDialog.h"

#include "HotkeyCapture.h"
#include "WindowQuery.h"
#include "hotkeys/SetHotkeyIds.h"

namespace e2e {

HWND EditItemDialog::find(const PastewiseApp& app) {
    for (HWND window : topLevelWindows(app.processId(), kClass)) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

std::optional<EditItemDialog> EditItemDialog::waitFor(const PastewiseApp& app,
                                                      milliseconds timeout) {
    HWND window = nullptr;
    const bool ready = waitUntil(
        [&] {
            window = find(app);
            // The window exists before its children: wait for the last one it creates.
            return window != nullptr && findDescendant(window, IDC_SETHOTKEY_UNREGISTER) != nullptr;
        },
        timeout);
    if (!ready) {
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
