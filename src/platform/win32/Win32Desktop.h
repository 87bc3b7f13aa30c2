#pragma once

#include "platform/Desktop.h"
#include "platform/win32/Win32AppDataFolder.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileDialog.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Monitors.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Tray.h"

#include <windows.h>

#include <string>
#include <utility>

namespace pw::win32 {

// The desktop for Windows: each call is a thin translation to the Win32 API.
// Hotkeys, keystrokes and message boxes are its own; the rest it hands to
// the part that does that job.
class Win32Desktop : public Desktop {
public:
    Win32Desktop() = default;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    // Starts the application-data folder's lookup for the settings read at
    // start-up, which takes it from there.
    void LookUpAppDataFolderAhead() { appData_.LookUpAhead(); }
    // Hotkeys, the clipboard, dialogs and the tray icon are this window's;
    // set before the first of them is used.
    void SetMainWindow(HWND hwnd);

    bool RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) override;
    bool UnregisterHotkey(int id) override;
    std::optional<std::uint16_t> KeyForChar(char32_t ch) override;
    std::vector<std::uint16_t> ModifierKeysDown() override;
    bool HasForegroundWindow() override;
    bool KeyIsDown(std::uint16_t vk) override;
    bool OfferClipboardText(const std::string& text) override { return clipboard_.Offer(text); }
    std::optional<std::string> GetClipboardText() override { return clipboard_.Text(); }
    bool ClipboardHasText() override { return clipboard_.HasText(); }
    bool ClipboardIsPrivate() override { return clipboard_.IsPrivate(); }
    bool ClipboardHoldsOwnText() override { return clipboard_.HoldsOwnText(); }
    WindowRef JoinClipboardViewerChain() override { return clipboard_.JoinViewerChain(); }
    void LeaveClipboardViewerChain(WindowRef successor) override {
        clipboard_.LeaveViewerChain(successor);
    }
    void SendDrawClipboard(WindowRef to) override { clipboard_.SendDrawClipboard(to); }
    void SendChangeClipboardChain(WindowRef to, WindowRef leaving, WindowRef following) override {
        clipboard_.SendChangeChain(to, leaving, following);
    }
    WindowRef MainWindowRef() override;
    void Pause(unsigned milliseconds) override;
    void StartTimer(unsigned id, unsigned milliseconds) override;
    void StopTimer(unsigned id) override;
    unsigned SendKeys(std::span<const KeyStroke> keys) override;
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::vector<ScreenRect> MonitorWorkAreas() override { return monitors_.WorkAreas(); }
    std::string WideToAnsi(std::u16string_view text) override { return codePage_.WideToAnsi(text); }
    std::u16string AnsiToWide(std::string_view text) override { return codePage_.AnsiToWide(text); }
    std::u16string UpperCase(std::u16string_view text) override {
        return codePage_.UpperCase(text);
    }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override {
        return fileDialog_.Choose(request);
    }
    bool FileExists(const std::string& path) override { return files_.FileExists(path); }
    IoResult ReadFile(const std::string& path, std::string& bytes) override {
        return files_.Read(path, bytes);
    }
    IoResult WriteFileDurably(const std::string& path, std::string_view bytes) override {
        return files_.WriteDurably(path, bytes);
    }
    IoResult MoveReplacing(const std::string& from, const std::string& to) override {
        return files_.MoveReplacing(from, to);
    }
    std::string FinalPath(const std::string& path) override { return files_.FinalPath(path); }
    IoResult CheckWritable(const std::string& path) override { return files_.CheckWritable(path); }
    IoResult RemoveFile(const std::string& path) override { return files_.Remove(path); }
    IoResult CreateFolder(const std::string& path) override { return files_.CreateFolder(path); }
    bool FolderExists(const std::string& path) override { return files_.FolderExists(path); }
    std::string AppDataFolder() override { return appData_.Folder(); }
    std::string ProgramFolder() override { return files_.ProgramFolder(); }
    void SetTrayIcon(TrayChange change, const std::string& tip) override {
        tray_.SetIcon(change, tip);
    }
    std::optional<ScreenRect> NotificationArea() override { return tray_.NotificationArea(); }
    void OpenWebPage(const std::string& address) override { shell_.OpenWebPage(address); }
    std::string LoadText(int id) override { return resources_.Text(id); }
    void AskShellToOpen(const std::string& url) override { shell_.AskToOpen(url); }
    std::string_view ProgramResource(int id) override { return resources_.Data(id); }

    // The clipboard, for the main window's messages to its owner.
    Win32Clipboard& Clipboard() { return clipboard_; }

    // The main window handles each clipboard change through here, so that the
    // notice it passes down the chain carries the parameters it came with.
    template <typename Handler> void HandleDrawNotice(WPARAM wp, LPARAM lp, Handler&& handle) {
        clipboard_.HandleDrawNotice(wp, lp, std::forward<Handler>(handle));
    }

private:
    HWND main_ = nullptr;
    Win32AppDataFolder appData_;
    Win32CodePage codePage_;
    Win32Clipboard clipboard_{codePage_};
    Win32FileDialog fileDialog_;
    Win32Files files_;
    Win32Monitors monitors_;
    Win32Resources resources_;
    Win32Shell shell_;
    // Last, so that it is gone first: its thread still sends what is waiting.
    Win32Tray tray_;
};

} // namespace pw::win32
