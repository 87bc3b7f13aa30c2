#include "HotkeyCapture.h"

#include "Input.h"
#include "WindowQuery.h"

namespace e2e {

namespace {

bool fieldFocused(HWND dialog, HWND field) {
    return GetForegroundWindow() == dialog && focusOfThread(dialog) == field;
}

bool open(HWND dialog) {
    return IsWindow(dialog) != 0 && IsWindowVisible(dialog) != 0;
}

} // namespace

::testing::AssertionResult focusCaptureField(HWND dialog, HWND field) {
    const bool focused = waitUntil([&] {
        if (fieldFocused(dialog, field)) {
            return true;
        }
        SetForegroundWindow(dialog);
        clickCentre(field);
        return waitUntil([&] { return fieldFocused(dialog, field); }, milliseconds{200});
    });
    if (!focused) {
        return ::testing::AssertionFailure()
               << "hotkey field " << GetDlgCtrlID(field) << " did not get the focus; foreground "
               << windowClass(GetForegroundWindow()) << ", focus in the program on id "
               << GetDlgCtrlID(focusOfThread(dialog));
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult pressInCaptureField(HWND dialog, HWND field,
                                               std::initializer_list<WORD> keys,
                                               const std::string& expected) {
    constexpr int kAttempts = 3;
    constexpr milliseconds kAttemptTimeout{2000};
    const auto shown = [&] { return windowText(field); };
    for (int attempt = 1;; ++attempt) {
        if (auto focused = focusCaptureField(dialog, field); !focused) {
            return focused;
        }
        // Wine's X11 windows learn of focus changes a moment later and then set the modifier
        // keys to the X server's state, letting go of any the driver holds. A plain key that
        // shows up in the field first tells that the program has caught up.
        const WORD probe = shown() == "F8" ? VK_F9 : VK_F8;
        const std::string probeText = probe == VK_F8 ? "F8" : "F9";
        const bool caughtUp =
            pressKeys({probe}) && waitUntil([&] { return shown() == probeText; }, kAttemptTimeout);
        if (caughtUp) {
            // Each key once the field has shown the one before, as a person presses them: the
            // hotkey message of one of the program's hotkeys would overtake the modifiers.
            bool held = true;
            bool seen = true;
            for (auto key = keys.begin(); held && seen && key != keys.end(); ++key) {
                const std::string before = shown();
                held = holdKeys({*key});
                seen = key + 1 == keys.end() ||
                       waitUntil([&] { return shown() != before; }, kAttemptTimeout);
            }
            const bool matched =
                held && seen && waitUntil([&] { return shown() == expected; }, kAttemptTimeout);
            if (!releaseKeys(keys) || !held) {
                return ::testing::AssertionFailure() << "SendInput failed";
            }
            if (matched) {
                return ::testing::AssertionSuccess();
            }
        }
        if (attempt == kAttempts || !open(dialog)) {
            return ::testing::AssertionFailure()
                   << "pressed " << describeKeys(keys) << " " << attempt
                   << " times, the hotkey field shows \"" << shown() << "\", expected \""
                   << expected << "\"" << (open(dialog) ? "" : "; the dialog has closed");
        }
    }
}

} // namespace e2e
