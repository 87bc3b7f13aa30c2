#pragma once

#include "platform/CodePage.h"
#include "platform/TextCase.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pw {

// Hotkey modifier bits, as the system's hotkey registration takes them.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;
inline constexpr std::uint32_t kModWin = 8;

enum class MessageIcon { None, Error, Information, Question, Warning };
// YesNoDefaultNo preselects No.
enum class MessageButtons { Ok, YesNoCancel, YesNoDefaultNo };

// The outcome of a file operation; on failure, the system's own words for why.
struct IoResult {
    bool ok = true;
    std::string reason;
    static IoResult Success() { return {}; }
    static IoResult Failure(std::string why) { return {false, std::move(why)}; }
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;       // empty: the system's own title
    std::string filter;      // "Description|*.ext", pairs separated by '|'
    std::string initialName; // preset file name
};
enum class MessageAnswer { Ok, Yes, No, Cancel };

enum class TrayChange { Add, Delete };

// A rectangle of the virtual screen in pixels: a monitor left of or above the
// primary one has negative coordinates.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A window as the system names it to other programs (the clipboard viewer
// chain passes these around); 0 is no window.
using WindowRef = std::uintptr_t;

// The main window's timers: the window layer keeps the ids below this one for
// itself.
inline constexpr unsigned kFirstProgramTimer = 0x100;

// The modifier keys, each side apart, as virtual keys.
inline constexpr std::uint16_t kVkLeftShift = 0xA0;
inline constexpr std::uint16_t kVkRightShift = 0xA1;
inline constexpr std::uint16_t kVkLeftControl = 0xA2;
inline constexpr std::uint16_t kVkRightControl = 0xA3;
inline constexpr std::uint16_t kVkLeftAlt = 0xA4;
inline constexpr std::uint16_t kVkRightAlt = 0xA5;
inline constexpr std::uint16_t kVkLeftWin = 0x5B;
inline constexpr std::uint16_t kVkRightWin = 0x5C;
inline constexpr std::uint16_t kModifierKeys[] = {kVkLeftShift,    kVkRightShift, kVkLeftControl,
                                                  kVkRightControl, kVkLeftAlt,    kVkRightAlt,
                                                  kVkLeftWin,      kVkRightWin};

// One synthetic keystroke: a virtual key going down or up.
struct KeyStroke {
    std::uint16_t vk = 0;
    bool keyUp = false;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The system services the program uses, in the program's own terms. The Win32
// implementation is a thin translation; tests use a recording fake. Every
// text that crosses this interface (clipboard, messages, paths, titles) is
// UTF-8.
class Desktop : public CodePage, public TextCase {
public:
    virtual ~Desktop() = default;

    // Global hotkeys, always registered for the main window.
    virtual bool RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) = 0;
    virtual bool UnregisterHotkey(int id) = 0;

    // The virtual key that types a character in the active layout, whatever
    // shift state it needs; nothing when no key types it.
    virtual std::optional<std::uint16_t> KeyForChar(char32_t ch) = 0;

    // Which of the modifier keys (kModifierKeys) are down at this moment.
    virtual std::vector<std::uint16_t> ModifierKeysDown() = 0;
    // Whether this virtual key is down at this moment.
    virtual bool KeyIsDown(std::uint16_t vk) = 0;

    // Is there a foreground window at all (a paste needs somewhere to land).
    virtual bool HasForegroundWindow() = 0;

    // Puts the text on the clipboard as Unicode text, owned by the main
    // window; the system offers it in the code page to programs that ask for
    // that. The data itself is handed over when somebody first reads it, and
    // the main window hears of that read (TfrmMain::ClipboardTextRead) and of
    // the text leaving the clipboard unread (ClipboardTextReplaced). False
    // when the clipboard could not be opened or refused the offer; then
    // nothing was put.
    virtual bool OfferClipboardText(const std::string& text) = 0;
    // The clipboard's text: its Unicode form, or its code-page form when the
    // clipboard offers nothing else.
    virtual std::optional<std::string> GetClipboardText() = 0;
    // Whether the clipboard offers text in either form.
    virtual bool ClipboardHasText() = 0;
    // Whether the clipboard's owner asked monitors not to record the content,
    // as password managers do for the secrets they copy.
    virtual bool ClipboardIsPrivate() = 0;
    // Whether the clipboard still holds what OfferClipboardText last put there:
    // no one has written to it since.
    virtual bool ClipboardHoldsOwnText() = 0;

    // The clipboard viewer chain, for the main window. Joining returns the
    // viewer successor (0 when the main window is the only viewer).
    virtual WindowRef JoinClipboardViewerChain() = 0;
    virtual void LeaveClipboardViewerChain(WindowRef successor) = 0;
    // The two chain notifications, sent and waited for; sending to a window
    // that no longer exists fails without effect. A clipboard change is passed
    // on as the main window received it.
    virtual void SendDrawClipboard(WindowRef to) = 0;
    virtual void SendChangeClipboardChain(WindowRef to, WindowRef leaving, WindowRef following) = 0;
    virtual WindowRef MainWindowRef() = 0;
    // Blocks the calling thread.
    virtual void Pause(unsigned milliseconds) = 0;
    // A timer of the main window: TfrmMain::TimerElapsed(id) every period
    // until it is stopped. Starting one that runs starts its period afresh.
    virtual void StartTimer(unsigned id, unsigned milliseconds) = 0;
    virtual void StopTimer(unsigned id) = 0;

    // Injects the keystrokes in one call; returns how many the system accepted.
    virtual unsigned SendKeys(std::span<const KeyStroke> keys) = 0;

    // A message box owned by the active window of this program.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;

    // The work area (the screen without the taskbar) of every monitor, the
    // primary one first; empty when the system does not say.
    virtual std::vector<ScreenRect> MonitorWorkAreas() = 0;

    // An open or save dialog owned by the main window; nullopt when the user
    // gave up. Neither asks about overwriting nor insists that the file exists.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;

    // Files, by full path. A read takes the whole file.
    virtual bool FileExists(const std::string& path) = 0;
    virtual IoResult ReadFile(const std::string& path, std::string& bytes) = 0;
    // Creates or truncates the file and writes all bytes through to the disk.
    virtual IoResult WriteFileDurably(const std::string& path, std::string_view bytes) = 0;
    // Puts `from` in the place of `to` in one step. A file that was there
    // keeps what the user set on it (attributes, access list, alternate
    // streams): only its bytes change.
    virtual IoResult MoveReplacing(const std::string& from, const std::string& to) = 0;
    // The file a write to `path` lands in: a symbolic link, or a chain of
    // them, followed to the file it names; the path itself when it is no
    // link or names nothing yet.
    virtual std::string FinalPath(const std::string& path) = 0;
    // Fails, with the system's reason, when the file is there and marked
    // read-only.
    virtual IoResult CheckWritable(const std::string& path) = 0;
    virtual IoResult RemoveFile(const std::string& path) = 0;
    // One folder whose parent exists; a folder that is there already is fine.
    virtual IoResult CreateFolder(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // The user's application-data folder and the program's own folder, each
    // ending in a backslash; empty when the system does not say.
    virtual std::string AppDataFolder() = 0;
    virtual std::string ProgramFolder() = 0;

    // The main window's icon in the notification area, with this tip. Adding
    // one that is there or deleting one that is not changes nothing.
    virtual void SetTrayIcon(TrayChange change, const std::string& tip) = 0;
    // Where the taskbar's notification area is on the screen, if it has one.
    virtual std::optional<ScreenRect> NotificationArea() = 0;
    // A text of the program's string table; empty when there is none.
    virtual std::string LoadText(int id) = 0;
    // Web pages, in the user's browser. Whether the shell could open one is
    // not known: a page that cannot be opened shows nothing. OpenWebPage is
    // the main window's, with the hourglass while the shell works;
    // AskShellToOpen is for a dialog, owned by the active window, at once.
    virtual void OpenWebPage(const std::string& url) = 0;
    virtual void AskShellToOpen(const std::string& url) = 0;

    // The bytes of one of the program's data resources (its pictures); empty
    // when it has none of that id. They stay valid while the program runs.
    virtual std::string_view ProgramResource(int id) = 0;
};

} // namespace pw
