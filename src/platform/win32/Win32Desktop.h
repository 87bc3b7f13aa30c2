#pragma once

#include "platform/Desktop.h"

#include <windows.h>

namespace pw::win32 {

// The desktop for Windows: each call is a thin translation to the Win32 API.
class Win32Desktop : public Desktop {
public:
    // Hotkeys are registered for this window; set before the first registration.
    void SetMainWindow(HWND hwnd) { main_ = hwnd; }

    bool RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) override;
    bool UnregisterHotkey(int id) override;
    std::int16_t KeyForChar(char ch) override;
    bool HasForegroundWindow() override;
    bool SetClipboardText(const std::string& text) override;
    std::optional<std::string> GetClipboardText() override;
    bool ClipboardHasText() override;
    bool ClipboardIsPrivate() override;
    bool ClipboardHoldsOwnText() override;
    WindowRef JoinClipboardViewerChain() override;
    void LeaveClipboardViewerChain(WindowRef successor) override;
    void SendDrawClipboard(WindowRef to, std::uintptr_t wParam, std::intptr_t lParam) override;
    void SendChangeClipboardChain(WindowRef to, WindowRef leaving, WindowRef following) override;
    WindowRef MainWindowRef() override;
    void Pause(unsigned milliseconds) override;
    unsigned SendKeys(std::span<const KeyStroke> keys) override;
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::vector<ScreenRect> MonitorWorkAreas() override;
    std::string WideToAnsi(std::u16string_view text) override;
    std::u16string AnsiToWide(std::string_view text) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    bool FileExists(const std::string& path) override;
    IoResult ReadFile(const std::string& path, std::string& bytes) override;
    IoResult WriteFileDurably(const std::string& path, std::string_view bytes) override;
    IoResult MoveReplacing(const std::string& from, const std::string& to) override;
    std::string FinalPath(const std::string& path) override;
    IoResult CheckWritable(const std::string& path) override;
    IoResult RemoveFile(const std::string& path) override;
    IoResult CreateFolders(const std::string& path) override;
    std::string AppDataFolder() override;
    std::string ProgramFolder() override;

private:
    HWND main_ = nullptr;
};

} // namespace pw::win32
