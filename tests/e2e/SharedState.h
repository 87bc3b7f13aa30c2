#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// The clipboard's Unicode text in UTF-8, empty when it holds no text.
std::optional<std::string> clipboardText();
// Puts the UTF-8 text on the clipboard as Unicode text, as a Unicode program copies; the
// system makes the code-page form from it for programs that ask for that.
bool setClipboardText(const std::string& text);
// The text together with a small block in the registered format `mark`
// ("ExcludeClipboardContentFromMonitorProcessing", "Clipboard Viewer Ignore"), by which a
// program such as a password manager asks clipboard watchers to leave the content alone.
bool setMarkedClipboardText(const std::string& text, const char* mark);
// Leaves the clipboard without any content.
bool emptyClipboard();

// A global hotkey registered by the driver itself, released on destruction. It tells whether
// another program holds the same combination, and keeps the program from taking it.
class HotkeyReservation {
public:
    // Ctrl + key (a digit or capital letter is its own virtual-key code).
    explicit HotkeyReservation(char key);
    // Modifiers as RegisterHotKey takes them (MOD_CONTROL | MOD_SHIFT, ...) and a virtual key.
    HotkeyReservation(UINT modifiers, UINT key);
    HotkeyReservation(const HotkeyReservation&) = delete;
    HotkeyReservation& operator=(const HotkeyReservation&) = delete;
    ~HotkeyReservation();

    bool held() const noexcept { return held_; }

private:
    int id_;
    bool held_;
};

} // namespace e2e
