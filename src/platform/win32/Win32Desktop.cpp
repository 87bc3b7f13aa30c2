#include "platform/win32/Win32Desktop.h"

#include "platform/win32/WideText.h"

#include <optional>
#include <vector>

namespace pw::win32 {

void Win32Desktop::SetMainWindow(HWND hwnd) {
    main_ = hwnd;
    appData_.SetMainWindow(hwnd);
    clipboard_.SetMainWindow(hwnd);
    fileDialog_.SetMainWindow(hwnd);
    shell_.SetMainWindow(hwnd);
    tray_.SetMainWindow(hwnd);
}

bool Win32Desktop::RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) {
    return RegisterHotKey(main_, id, modifiers, vk) != FALSE;
}

bool Win32Desktop::UnregisterHotkey(int id) {
    return UnregisterHotKey(main_, id) != FALSE;
}

std::optional<std::uint16_t> Win32Desktop::KeyForChar(char32_t ch) {
    if (ch > 0xFFFF) // no key of a layout types a character beyond one unit
        return std::nullopt;
    const auto vk = static_cast<std::uint16_t>(VkKeyScanW(static_cast<WCHAR>(ch)) & 0xFF);
    return vk == 0xFF ? std::nullopt : std::optional(vk);
}

std::vector<std::uint16_t> Win32Desktop::ModifierKeysDown() {
    std::vector<std::uint16_t> down;
    for (const std::uint16_t vk : kModifierKeys)
        if (KeyIsDown(vk))
            down.push_back(vk);
    return down;
}

bool Win32Desktop::KeyIsDown(std::uint16_t vk) {
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

bool Win32Desktop::HasForegroundWindow() {
    return IsWindow(GetForegroundWindow()) != FALSE;
}

WindowRef Win32Desktop::MainWindowRef() {
    return reinterpret_cast<WindowRef>(main_);
}

void Win32Desktop::Pause(unsigned milliseconds) {
    Sleep(milliseconds);
}

void Win32Desktop::StartTimer(unsigned id, unsigned milliseconds) {
    SetTimer(main_, id, milliseconds, nullptr);
}

void Win32Desktop::StopTimer(unsigned id) {
    KillTimer(main_, id);
}

unsigned Win32Desktop::SendKeys(std::span<const KeyStroke> keys) {
    std::vector<INPUT> inputs(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        inputs[i] = INPUT{};
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i].vk;
        inputs[i].ki.dwFlags = keys[i].keyUp ? KEYEVENTF_KEYUP : 0;
        // The right-hand modifiers and both Windows keys are extended keys.
        if (keys[i].vk == VK_RCONTROL || keys[i].vk == VK_RMENU || keys[i].vk == VK_LWIN ||
            keys[i].vk == VK_RWIN)
            inputs[i].ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

MessageAnswer Win32Desktop::ShowMessage(const std::string& text, const std::string& caption,
                                        MessageIcon icon, MessageButtons buttons) {
    UINT type = MB_OK;
    if (buttons == MessageButtons::YesNoCancel)
        type = MB_YESNOCANCEL;
    else if (buttons == MessageButtons::YesNoDefaultNo)
        type = MB_YESNO | MB_DEFBUTTON2;
    switch (icon) {
    case MessageIcon::Error:
        type |= MB_ICONERROR;
        break;
    case MessageIcon::Information:
        type |= MB_ICONINFORMATION;
        break;
    case MessageIcon::Question:
        type |= MB_ICONQUESTION;
        break;
    case MessageIcon::Warning:
        type |= MB_ICONWARNING;
        break;
    case MessageIcon::None:
        break;
    }
    HWND owner = GetActiveWindow();
    if (owner == nullptr)
        owner = main_;
    switch (MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), type)) {
    case IDYES:
        return MessageAnswer::Yes;
    case IDNO:
        return MessageAnswer::No;
    case IDCANCEL:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace pw::win32
