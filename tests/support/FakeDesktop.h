#pragma once

#include "platform/Desktop.h"
#include "support/StandInText.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pw::test {

// A desktop that records every call and answers from a script.
class FakeDesktop : public Desktop {
public:
    struct Registration {
        int id;
        std::uint32_t modifiers;
        std::uint32_t vk;
    };
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // --- script ---
    // Combinations (modifiers, vk) the system refuses, as if another program held them.
    std::set<std::pair<std::uint32_t, std::uint32_t>> heldElsewhere;
    bool refuseUnregister = false;
    bool foreground = true;
    bool clipboardRefuses = false;
    std::deque<MessageAnswer> answers; // default Ok / Cancel when empty
    // Overrides of the US layout, as the system's lookup answers: low byte the
    // key, high byte the shift state it needs.
    std::map<char32_t, std::int16_t> keyMap;
    // The modifier keys held down, as the system would report them.
    std::vector<std::uint16_t> modifiersDown;
    // Other keys held down.
    std::set<std::uint16_t> keysDown;

    // --- record ---
    std::map<int, Registration> registered; // live registrations by id
    std::vector<Registration> registerCalls;
    std::vector<int> unregisterCalls;
    std::vector<Message> messages;
    std::vector<std::vector<KeyStroke>> sentKeys;
    std::optional<std::string> clipboard;
    std::optional<std::string> ownWrite; // what OfferClipboardText last put there
    std::vector<std::string> offers;     // every text OfferClipboardText put

    bool RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) override;
    bool UnregisterHotkey(int id) override;
    std::optional<std::uint16_t> KeyForChar(char32_t ch) override;
    std::vector<std::uint16_t> ModifierKeysDown() override { return modifiersDown; }
    bool KeyIsDown(std::uint16_t vk) override { return keysDown.contains(vk); }
    bool HasForegroundWindow() override { return foreground; }
    bool OfferClipboardText(const std::string& text) override;
    std::optional<std::string> GetClipboardText() override {
        ++clipboardReads;
        return clipboard;
    }
    bool ClipboardHasText() override { return clipboard.has_value(); }
    bool ClipboardIsPrivate() override { return clipboardPrivate; }
    // The program's own write is on the clipboard until a test puts something
    // else there.
    bool ClipboardHoldsOwnText() override { return ownWrite && clipboard == ownWrite; }

    // --- clipboard viewer chain ---
    struct ChainMessage {
        enum Kind { Draw, Change } kind;
        WindowRef to;
        std::uintptr_t first; // wParam, or the leaving window
        std::intptr_t second; // lParam, or the window that follows it
        friend bool operator==(const ChainMessage&, const ChainMessage&) = default;
    };
    WindowRef mainWindow = 0x1000;
    // The parameters of the clipboard change being handled, which the system's
    // side keeps to pass them on unaltered.
    std::pair<std::uintptr_t, std::intptr_t> drawNotice{};
    WindowRef joinAnswer = 0; // the successor a join hands back
    bool clipboardPrivate = false;
    // Runs after each successful clipboard write, as the system notifies the
    // viewers of the program's own writes before the write call returns.
    std::function<void()> onClipboardWrite;
    int clipboardReads = 0;
    int joins = 0;
    std::vector<WindowRef> leaves; // the successor named at each leave
    std::vector<ChainMessage> chainMessages;
    std::vector<unsigned> pauses;

    WindowRef JoinClipboardViewerChain() override {
        ++joins;
        return joinAnswer;
    }
    void LeaveClipboardViewerChain(WindowRef successor) override { leaves.push_back(successor); }
    void SendDrawClipboard(WindowRef to) override {
        chainMessages.push_back({ChainMessage::Draw, to, drawNotice.first, drawNotice.second});
    }
    void SendChangeClipboardChain(WindowRef to, WindowRef leaving, WindowRef following) override {
        chainMessages.push_back(
            {ChainMessage::Change, to, leaving, static_cast<std::intptr_t>(following)});
    }
    WindowRef MainWindowRef() override { return mainWindow; }
    void Pause(unsigned milliseconds) override { pauses.push_back(milliseconds); }
    // The running timers and their periods.
    std::map<unsigned, unsigned> timers;
    void StartTimer(unsigned id, unsigned milliseconds) override { timers[id] = milliseconds; }
    void StopTimer(unsigned id) override { timers.erase(id); }
    unsigned SendKeys(std::span<const KeyStroke> keys) override;
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;

    // --- files: an in-memory disk ---
    std::map<std::string, std::string> files;
    std::set<std::string> folders; // without a final separator
    // Drives and network shares: they exist, and no folder can be made there.
    std::set<std::string> roots{"C:", "\\\\server\\share"};
    std::string appDataFolder = "C:\\users\\me\\AppData\\Roaming\\";
    std::string programFolder = "C:\\Program Files\\Pastewise\\";
    // Consulted before every file operation ("write", "replace", "remove",
    // "read", "mkdir"); a failure it returns is what the operation returns.
    // A failing write still leaves its first half behind, as a full disk does.
    std::function<IoResult(const std::string& operation, const std::string& path)> fault;
    std::vector<std::string> fileOperations; // "write C:\x", ...
    // File dialogs: answered from the front; nullopt is Cancel.
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<FileDialogRequest> fileDialogs;

    // Paths marked read-only: a write to one is refused, but a rename over
    // it goes through and drops the mark, as Wine's does.
    std::set<std::string> readOnly;
    // Symbolic links: the path of each and the path it names. Reads and
    // writes follow them; a rename onto a link replaces the link.
    std::map<std::string, std::string> links;

    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    bool FileExists(const std::string& path) override { return files.contains(Resolve(path)); }
    IoResult ReadFile(const std::string& path, std::string& bytes) override;
    IoResult WriteFileDurably(const std::string& path, std::string_view bytes) override;
    IoResult MoveReplacing(const std::string& from, const std::string& to) override;
    std::string FinalPath(const std::string& path) override { return Resolve(path); }
    IoResult CheckWritable(const std::string& path) override;
    IoResult RemoveFile(const std::string& path) override;
    IoResult CreateFolder(const std::string& path) override;
    bool FolderExists(const std::string& path) override {
        return folders.contains(path) || roots.contains(path);
    }
    std::string AppDataFolder() override { return appDataFolder; }
    std::string ProgramFolder() override { return programFolder; }

    // The live registration for a combination, if any.
    std::optional<int> IdOf(std::uint32_t modifiers, std::uint32_t vk) const;

    // The Western code page and the system's upper-casing, as stand-ins.
    std::string WideToAnsi(std::u16string_view text) override { return codePage.WideToAnsi(text); }
    std::u16string AnsiToWide(std::string_view text) override { return codePage.AnsiToWide(text); }
    std::u16string UpperCase(std::u16string_view text) override { return textCase.UpperCase(text); }
    Cp1252 codePage;
    StandInTextCase textCase;

    // One monitor by default, the taskbar at the bottom.
    std::vector<ScreenRect> workAreas{{0, 0, 1920, 1040}};
    std::vector<ScreenRect> MonitorWorkAreas() override { return workAreas; }

    // --- the shell ---
    struct TrayCall {
        TrayChange change;
        std::string tip;
        friend bool operator==(const TrayCall&, const TrayCall&) = default;
    };
    std::vector<TrayCall> trayCalls;
    std::optional<ScreenRect> notificationArea;
    std::map<int, std::string> strings; // the string table
    void SetTrayIcon(TrayChange change, const std::string& tip) override {
        trayCalls.push_back({change, tip});
    }
    std::optional<ScreenRect> NotificationArea() override { return notificationArea; }
    std::string LoadText(int id) override { return strings.contains(id) ? strings[id] : ""; }
    // Web pages asked for, in order: "hourglass <url>" from OpenWebPage,
    // "direct <url>" from AskShellToOpen.
    std::vector<std::string> webPages;
    void OpenWebPage(const std::string& url) override { webPages.push_back("hourglass " + url); }
    void AskShellToOpen(const std::string& url) override { webPages.push_back("direct " + url); }

    // The program's data resources by id; none by default.
    std::map<int, std::string> resources;
    std::string_view ProgramResource(int id) override {
        const auto it = resources.find(id);
        return it == resources.end() ? std::string_view{} : std::string_view{it->second};
    }

private:
    std::string Resolve(const std::string& path) const;
};

} // namespace pw::test
