#include "Notepad.h"

#include <stdexcept>

#include "Input.h"
#include "SharedState.h"
#include "WindowQuery.h"

namespace e2e {

Notepad::Notepad() : process_(Process::start("notepad.exe")) {
    window_ = pollFor([&] { return findTopLevel(process_.id(), "Notepad"); }, kStartTimeout);
    if (window_ != nullptr) {
        edit_ = pollFor([&] { return FindWindowExA(window_, nullptr, "Edit", nullptr); });
    }
    // Not before it has shown and activated itself, which would take the focus from a test
    // typing elsewhere.
    if (edit_ != nullptr && !(process_.waitForInputIdle() &&
                              waitUntil([&] { return IsWindowVisible(window_) != 0; }))) {
        edit_ = nullptr;
    }
    if (edit_ == nullptr) {
        process_.terminate();
        throw std::runtime_error("notepad did not open its window");
    }
}

Notepad::~Notepad() {
    close();
}

void Notepad::close() noexcept {
    if (process_.running() && IsWindow(window_)) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        // A changed text makes it ask whether to save: no.
        const bool ended = waitUntil([&] {
            for (HWND box : topLevelWindows(process_.id(), "#32770")) {
                if (IsWindowVisible(box)) {
                    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
                }
            }
            return !process_.running();
        });
        if (ended) {
            return;
        }
    }
    process_.terminate();
}

std::string Notepad::text() const {
    return windowText(edit_);
}

bool Notepad::focus() const {
    // Tried again when the focus was taken away meanwhile (see tryFocus).
    return waitUntil([&] { return tryFocus(); }, kStartTimeout);
}

bool Notepad::tryFocus() const {
    constexpr milliseconds kAttemptTimeout{2000};
    if (!bringToFront(window_, kAttemptTimeout) ||
        !waitUntil([&] { return focusOfThread(window_) == edit_; }, kAttemptTimeout)) {
        return false;
    }
    // Wine's X11 windows learn of focus changes a moment later. Then notepad sets the modifier
    // keys to the X server's state (a Ctrl the driver holds down by then is let go, and a
    // hotkey turns into a typed digit), and a window of another program that lost the focus
    // just before may hand the foreground to the desktop. A character typed and taken back
    // shows that notepad has caught up and still has the keyboard.
    const std::string before = text();
    return typeText(L"#") &&
           waitUntil([&] { return text().size() == before.size() + 1; }, kAttemptTimeout) &&
           holdKeys({VK_BACK}) && releaseKeys({VK_BACK}) &&
           waitUntil([&] { return text() == before; }, kAttemptTimeout);
}

bool Notepad::copyAll() const {
    // Keys that arrive while Wine is still settling the focus may be lost: then once more.
    constexpr int kAttempts = 3;
    constexpr milliseconds kAttemptTimeout{2000};
    const std::string expected = text();
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (focus() && pressKeys({VK_CONTROL, 'A'}) && pressKeys({VK_CONTROL, 'C'}) &&
            waitUntil([&] { return clipboardText() == expected; }, kAttemptTimeout)) {
            return true;
        }
    }
    return false;
}

bool Notepad::waitForText(const std::string& expected, milliseconds timeout) const {
    return waitUntil([&] { return text() == expected; }, timeout);
}

} // namespace e2e
