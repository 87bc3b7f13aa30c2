#include "EditItemDialog.h"

#include "Input.h"
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

bool EditItemDialog::hotkeyFieldFocused() const {
    return GetForegroundWindow() == window_ && focus() == control(IDC_SETHOTKEY_HOTKEY);
}

::testing::AssertionResult EditItemDialog::focusHotkeyField() const {
    const HWND field = control(IDC_SETHOTKEY_HOTKEY);
    const bool focused = waitUntil([&] {
        if (hotkeyFieldFocused()) {
            return true;
        }
        SetForegroundWindow(window_);
        clickCentre(field);
        return waitUntil([&] { return hotkeyFieldFocused(); }, milliseconds{200});
    });
    if (!focused) {
        return ::testing::AssertionFailure()
               << "the hotkey field did not get the focus; foreground "
               << windowClass(GetForegroundWindow()) << ", focus in the program on id "
               << GetDlgCtrlID(focus());
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult EditItemDialog::pressInHotkeyField(std::initializer_list<WORD> keys,
                                                              const std::string& expected) const {
    constexpr int kAttempts = 3;
    constexpr milliseconds kAttemptTimeout{2000};
    for (int attempt = 1;; ++attempt) {
        if (auto focused = focusHotkeyField(); !focused) {
            return focused;
        }
        // Wine's X11 windows learn of focus changes a moment later and then set the modifier
        // keys to the X server's state, letting go of any the driver holds. A plain key that
        // shows up in the field first tells that the program has caught up.
        const WORD probe = hotkey() == "F8" ? VK_F9 : VK_F8;
        const std::string probeText = probe == VK_F8 ? "F8" : "F9";
        const bool caughtUp =
            pressKeys({probe}) && waitUntil([&] { return hotkey() == probeText; }, kAttemptTimeout);
        if (caughtUp) {
            const bool held = holdKeys(keys);
            const bool shown =
                held && waitUntil([&] { return hotkey() == expected; }, kAttemptTimeout);
            if (!releaseKeys(keys) || !held) {
                return ::testing::AssertionFailure() << "SendInput failed";
            }
            if (shown) {
                return ::testing::AssertionSuccess();
            }
        }
        if (attempt == kAttempts || !open()) {
            return ::testing::AssertionFailure()
                   << "pressed " << describeKeys(keys) << " " << attempt
                   << " times, the hotkey field shows \"" << hotkey() << "\", expected \""
                   << expected << "\"" << (open() ? "" : "; the dialog has closed");
        }
    }
}

bool EditItemDialog::click(int id) const {
    return clickButton(control(id)) && app_->waitForQueuedMessages();
}

} // namespace e2e
