#include "Input.h"

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

bool typeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        inputs.push_back(unicodeInput(character, false));
        inputs.push_back(unicodeInput(character, true));
    }
    return send(inputs);
}

bool clickCentre(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 1 || height <= 1) {
        return false;
    }
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const LONG x = MulDiv((rect.left + rect.right) / 2, 65535, width - 1);
    const LONG y = MulDiv((rect.top + rect.bottom) / 2, 65535, height - 1);
    constexpr DWORD kAbsoluteMove = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    std::vector<INPUT> inputs{mouseInput(kAbsoluteMove, x, y),
                              mouseInput(kAbsoluteMove | MOUSEEVENTF_LEFTDOWN, x, y),
                              mouseInput(kAbsoluteMove | MOUSEEVENTF_LEFTUP, x, y)};
    return send(inputs);
}

} // namespace e2e
