#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// The clipboard's CF_TEXT, empty when it holds no text.
std::optional<std::string> clipboardText();
bool setClipboardText(const std::string& text);

// A global hotkey (Ctrl + key) registered by the driver itself, released on destruction. It
// tells whether another program holds the same combination.
class HotkeyReservation {
public:
    explicit HotkeyReservation(char key);
    HotkeyReservation(const HotkeyReservation&) = delete;
    HotkeyReservation& operator=(const HotkeyReservation&) = delete;
    ~HotkeyReservation();

    bool held() const noexcept { return held_; }

private:
    int id_;
    bool held_;
};

} // namespace e2e
