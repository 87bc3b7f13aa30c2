#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pw {

// Hotkey modifier bits, as the system's hotkey registration takes them.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;
inline constexpr std::uint32_t kModWin = 8;

enum class MessageIcon { None, Error, Information, Question, Warning };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// One synthetic keystroke: a virtual key going down or up.
struct KeyStroke {
    std::uint16_t vk = 0;
    bool keyUp = false;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The system services the program uses, in the program's own terms. The Win32
// implementation is a thin translation; tests use a recording fake.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Global hotkeys, always registered for the main window.
    virtual bool RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) = 0;
    virtual bool UnregisterHotkey(int id) = 0;

    // The key that types a character in the active layout: low byte the virtual
    // key, high byte the shift state; -1 when no key types it (VkKeyScanA).
    virtual std::int16_t KeyForChar(char ch) = 0;

    // Is there a foreground window at all (a paste needs somewhere to land).
    virtual bool HasForegroundWindow() = 0;

    // Puts single-byte text on the clipboard as CF_TEXT. False when the
    // clipboard could not be opened or refused the data; then nothing was put.
    virtual bool SetClipboardText(const std::string& text) = 0;
    virtual std::optional<std::string> GetClipboardText() = 0;

    // Injects the keystrokes in one call; returns how many the system accepted.
    virtual unsigned SendKeys(std::span<const KeyStroke> keys) = 0;

    // A message box owned by the active window of this program.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;
};

} // namespace pw
