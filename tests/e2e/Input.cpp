#include "Input.h"

#include <cstdio>
#include <vector>

namespace e2e {

namespace {

INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT unicodeInput(wchar_t character, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT mouseInput(DWORD flags, LONG x, LONG y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

bool send(std::vector<INPUT>& inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

constexpr DWORD kAbsoluteMove = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;

// Absolute coordinates run from 0 to 65535 across the primary screen.
bool absolute(POINT point, LONG& x, LONG& y) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 1 || height <= 1) {
        return false;
    }
    x = MulDiv(point.x, 65535, width - 1);
    y = MulDiv(point.y, 65535, height - 1);
    return true;
}

// Moves the pointer to the point, then presses and lets go of a button `clicks` times.
bool clickWith(DWORD down, DWORD up, POINT point, int clicks) {
    LONG x = 0, y = 0;
    if (!absolute(point, x, y)) {
        return false;
    }
    std::vector<INPUT> inputs{mouseInput(kAbsoluteMove, x, y)};
    for (int click = 0; click < clicks; ++click) {
        inputs.push_back(mouseInput(kAbsoluteMove | down, x, y));
        inputs.push_back(mouseInput(kAbsoluteMove | up, x, y));
    }
    return send(inputs);
}

} // namespace

bool holdKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        inputs.push_back(keyInput(key, false));
    }
    return send(inputs);
}

bool releaseKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
        inputs.push_back(keyInput(*it, true));
    }
    return send(inputs);
}

bool tapKeysHolding(WORD modifier, std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs{keyInput(modifier, false)};
    for (WORD key : keys) {
        inputs.push_back(keyInput(key, false));
        inputs.push_back(keyInput(key, true));
    }
    inputs.push_back(keyInput(modifier, true));
    return send(inputs);
}

std::string describeKeys(std::initializer_list<WORD> keys) {
    std::string text;
    for (WORD key : keys) {
        if (!text.empty()) {
            text += '+';
        }
        if (key == VK_CONTROL) {
            text += "Ctrl";
        } else if (key == VK_SHIFT) {
            text += "Shift";
        } else if (key == VK_MENU) {
            text += "Alt";
        } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
            text += static_cast<char>(key);
        } else {
            char code[16];
            std::snprintf(code, sizeof code, "VK 0x%02X", static_cast<unsigned>(key));
            text += code;
        }
    }
    return text;
}

bool typeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        inputs.push_back(unicodeInput(character, false));
        inputs.push_back(unicodeInput(character, true));
    }
    return send(inputs);
}

bool pressKeys(std::initializer_list<WORD> keys) {
    return holdKeys(keys) && releaseKeys(keys);
}

bool clickCentre(HWND window) {
    RECT rect{};
    return GetWindowRect(window, &rect) &&
           clickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool clickAt(POINT point, int clicks) {
    return clickWith(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, point, clicks);
}

bool rightClickAt(POINT point) {
    return clickWith(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, point, 1);
}

bool moveMouseTo(POINT point) {
    LONG x = 0, y = 0;
    std::vector<INPUT> inputs{mouseInput(kAbsoluteMove, x, y)};
    return absolute(point, inputs[0].mi.dx, inputs[0].mi.dy) && send(inputs);
}

bool leftButtonAt(POINT point, bool down) {
    LONG x = 0, y = 0;
    if (!absolute(point, x, y)) {
        return false;
    }
    std::vector<INPUT> inputs{
        mouseInput(kAbsoluteMove | (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP), x, y)};
    return send(inputs);
}

} // namespace e2e
