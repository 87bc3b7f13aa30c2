#pragma once

#include "platform/Desktop.h"
#include "platform/win32/TrayMessenger.h"

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

namespace pw::win32 {

// The desktop for Windows: each call is a thin translation to the Win32 API.
class Win32Desktop : public Desktop {
public:
    Win32Desktop();
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    // Starts the application-data folder's lookup for the settings read at
    // start-up, which takes it from there.
    void LookUpAppDataFolderAhead();
    // Hotkeys are registered for this window; set before the first registration.
    void SetMainWindow(HWND hwnd) { main_ = hwnd; }

    bool RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) override;
    bool UnregisterHotkey(int id) override;
    std::optional<std::uint16_t> KeyForChar(char ch) override;
    std::vector<std::uint16_t> ModifierKeysDown() override;
    bool HasForegroundWindow() override;
    bool SetClipboardText(const std::string& text) override;
    std::optional<std::string> GetClipboardText() override;
    bool ClipboardHasText() override;
    bool ClipboardIsPrivate() override;
    bool ClipboardHoldsOwnText() override;
    WindowRef JoinClipboardViewerChain() override;
    void LeaveClipboardViewerChain(WindowRef successor) override;
    void SendDrawClipboard(WindowRef to) override;
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
    IoResult CreateFolder(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::string AppDataFolder() override;
    std::string ProgramFolder() override;
    // The shell (Win32Shell).
    void SetTrayIcon(TrayChange change, const std::string& tip) override;
    std::optional<ScreenRect> NotificationArea() override;
    void OpenWebPage(const std::string& address) override;
    std::string LoadText(int id) override;
    void AskShellToOpen(const std::string& url) override;
    std::string_view ProgramResource(int id) override;

    // The main window handles each clipboard change through here, so that the
    // notice it passes down the chain carries the parameters it came with.
    template <typename Handler> void HandleDrawNotice(WPARAM wp, LPARAM lp, Handler&& handle) {
        struct Restore {
            std::pair<WPARAM, LPARAM>& notice;
            std::pair<WPARAM, LPARAM> outer;
            ~Restore() { notice = outer; }
        } const restore{drawNotice_, std::exchange(drawNotice_, {wp, lp})}; // changes nest
        handle();
    }

private:
    class AppDataLookup;

    std::unique_ptr<AppDataLookup> appDataAhead_;
    TrayMessenger trayMessenger_;
    HWND main_ = nullptr;
    // The clipboard change the main window is handling, as it came.
    std::pair<WPARAM, LPARAM> drawNotice_{};
};

} // namespace pw::win32
