#include "hotkeys/HotkeyText.h"

#include "platform/Desktop.h"
#include "text/Blanks.h"
#include "text/Utf8.h"

#include <optional>
#include <string>

namespace pw {

namespace {

constexpr std::uint16_t kVkShift = 16;
constexpr std::uint16_t kVkControl = 17;
constexpr std::uint16_t kVkMenu = 18;

constexpr std::uint32_t kVkF1 = 0x70;

bool IsModifierKey(std::uint16_t vk) {
    return vk == kVkShift || vk == kVkControl || vk == kVkMenu;
}

// Every control character counts as a separator, so texts edited by hand with
// tabs or stray line breaks still read; a zero byte is a character of its own.
bool IsSeparator(char c) {
    return c != '\0' && IsBlankOrControl(c);
}

// Only ASCII letters: a locale-aware conversion would change which key a
// single accented character is looked up as.
char Capitalised(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// The function key number after the "F", or 0 when the remainder is not a
// decimal number from 1 to 12.
std::uint32_t FunctionKeyNumber(std::string_view digits) {
    std::uint32_t value = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9')
            return 0;
        // Saturate so that an absurdly long number is merely out of range.
        value = value > 12 ? value : value * 10 + static_cast<std::uint32_t>(ch - '0');
    }
    return value <= 12 ? value : 0;
}

void ApplyWord(const std::string& word, HotkeyCodes& codes, Desktop& desktop) {
    if (word == "CTRL") {
        codes.modifiers |= kModControl;
    } else if (word == "ALT") {
        codes.modifiers |= kModAlt;
    } else if (word == "SHIFT") {
        codes.modifiers |= kModShift;
    } else if (word == "WIN") {
        codes.modifiers |= kModWin;
    } else if (word.size() > 1 && word.front() == 'F') {
        // Only F1 to F12 are read back. "F13" or "FOO" leaves the key as it was
        // and is not tried against the rules below.
        if (std::uint32_t n = FunctionKeyNumber(std::string_view(word).substr(1)); n != 0)
            codes.vk = kVkF1 - 1 + n;
    } else if (word == "SPACE") {
        codes.vk = 32;
    } else if (word == "ENTER") {
        codes.vk = 13;
    } else if (word == "ESC") {
        codes.vk = 27;
    } else if (word == "TAB") {
        codes.vk = 9;
    } else if (const std::optional<char32_t> ch = SingleCharacter(word)) {
        // The shift state the layout needs is dropped: the hotkey names the key.
        // A character no key types reads as 255, a key no keyboard has.
        codes.vk = desktop.KeyForChar(*ch).value_or(0xFF);
    }
}

} // namespace

std::optional<std::string> KeyName(std::uint16_t vk) {
    switch (vk) {
    case 8:
        return "BackSpace";
    case 9:
        return "Tab";
    case 12:
        return "Clear";
    case 13:
        return "Enter";
    case kVkShift:
    case kVkControl:
    case kVkMenu:
        return "";
    case 19:
        return "Pause";
    case 20:
        return "CapsLock";
    case 27:
        return "Esc";
    case 32:
        return "Space";
    case 33:
        return "PageUp";
    case 34:
        return "PageDown";
    case 35:
        return "End";
    case 36:
        return "Home";
    case 37:
        return "LeftArrow";
    case 38:
        return "UpArrow";
    case 39:
        return "RightArrow";
    case 40:
        return "DownArrow";
    case 44:
        return "PrintScreen";
    case 45:
        return "Ins";
    case 46:
        return "Del";
    case 47:
        return "Help";
    case 106:
        return "*";
    case 107:
        return "+";
    case 108:
        return "Separator";
    case 109:
        return "-";
    case 110:
        return ".";
    case 111:
        return "/";
    case 144:
        return "Numlock";
    case 145:
        return "Scroll";
    default:
        break;
    }
    // Digits and capitals share their codes with the keys; 58 to 64 come out
    // as the punctuation with those codes although no standard key sends them.
    if (vk >= 48 && vk <= 90)
        return std::string(1, static_cast<char>(vk));
    if (vk >= 96 && vk <= 105)
        return std::string("Num ").append(1, static_cast<char>('0' + (vk - 96)));
    if (vk >= kVkF1 && vk <= 135)
        return std::string("F").append(std::to_string(vk - kVkF1 + 1));
    return std::nullopt;
}

FormattedHotkey FormatHotkeyText(bool ctrl, bool shift, bool alt, std::uint16_t vk) {
    FormattedHotkey result;
    if (ctrl) {
        result.text += "Ctrl  ";
        result.modifiers |= kModControl;
    }
    if (shift) {
        result.text += "Shift  ";
        result.modifiers |= kModShift;
    }
    if (alt) {
        result.text += "Alt  ";
        result.modifiers |= kModAlt;
    }
    // A rejected press still reports what was pressed, so the caller can tell
    // it apart from no press at all; only the text goes.
    result.vk = IsModifierKey(vk) ? 0 : vk;
    const std::optional<std::string> name = KeyName(vk);
    if (!name) {
        result.text.clear();
        result.rejected = true;
        return result;
    }
    result.text += *name;
    return result;
}

HotkeyCodes ParseHotkeyText(std::string_view text, Desktop& desktop) {
    HotkeyCodes codes;
    std::string word;
    auto flush = [&] {
        ApplyWord(word, codes, desktop);
        word.clear();
    };
    for (char ch : text) {
        if (IsSeparator(ch))
            flush();
        else
            word += Capitalised(ch);
    }
    flush();
    return codes;
}

std::string DefaultHotkeyText(int position) {
    if (position < 1 || position > 10)
        return {};
    // Appending rather than operator+ keeps g++ 12's -Wrestrict false alarm away.
    return std::string("Ctrl ").append(1, static_cast<char>('0' + position % 10));
}

} // namespace pw
