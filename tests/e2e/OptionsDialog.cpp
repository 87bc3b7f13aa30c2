#include "OptionsDialog.h"

#include "HotkeyCapture.h"
#include "WindowQuery.h"
#include "hotkeys/OptionsIds.h"

namespace e2e {

HWND OptionsDialog::find(const PastewiseApp& app) {
    return findVisibleTopLevel(app.processId(), kClass);
}

std::optional<OptionsDialog> OptionsDialog::waitFor(const PastewiseApp& app, milliseconds timeout) {
    HWND window = waitForWindowWithChild(app.processId(), kClass, IDC_OPTIONS_CANCEL, timeout);
    if (window == nullptr) {
        return std::nullopt;
    }
    return OptionsDialog(app, window);
}

std::optional<OptionsDialog> OptionsDialog::openFromMainMenu(const PastewiseApp& app) {
    if (auto chosen = app.chooseFromMainMenu('O'); !chosen) {
        ADD_FAILURE() << "Options from the main menu: " << chosen.message();
        return std::nullopt;
    }
    return waitFor(app);
}

HWND OptionsDialog::control(int id) const {
    return findDescendant(window_, id);
}

bool OptionsDialog::waitForClose(milliseconds timeout) const {
    return waitUntil([&] { return IsWindow(window_) == 0; }, timeout);
}

HWND OptionsDialog::field(int position) const {
    return control(IDC_OPTIONS_HOTKEY1 + position - 1);
}

std::string OptionsDialog::hotkey(int position) const {
    return windowText(field(position));
}

std::array<std::string, OptionsDialog::kFields> OptionsDialog::hotkeys() const {
    std::array<std::string, kFields> texts;
    for (int position = 1; position <= kFields; ++position) {
        texts[static_cast<std::size_t>(position - 1)] = hotkey(position);
    }
    return texts;
}

::testing::AssertionResult OptionsDialog::pressInField(int position,
                                                       std::initializer_list<WORD> keys,
                                                       const std::string& expected) const {
    return pressInCaptureField(window_, field(position), keys, expected);
}

bool OptionsDialog::click(int id) const {
    return clickButton(control(id)) && app_->waitForQueuedMessages();
}

} // namespace e2e
