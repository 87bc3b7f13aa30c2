#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "Process.h"
#include "RemoteListView.h"

namespace e2e {

// Where the program under test is; set once by the driver's main().
void setProgramPath(std::string path);
const std::string& programPath();

// One running Pastewise.exe, started by the constructor, which waits until the main window
// and its controls are up (throws if they do not appear). On destruction the program is
// ended with its Exit button, or terminated if that does not work, so a failed test never
// leaves it running with its hotkeys registered.
class PastewiseApp {
public:
    // The window class of the about box.
    static constexpr const char* kAboutBoxClass = "TfrmAbout";
    // Fresh starts without a settings file, as on a first start; Keep starts with
    // whatever settings file the test (or an earlier run) left.
    enum class Settings { Fresh, Keep };
    explicit PastewiseApp(Settings settings = Settings::Fresh);

    // Where the program keeps options.ini for this Wine user.
    static std::string settingsFile();
    // Puts a settings file with exactly these bytes in place (its folder too), for a start with
    // Settings::Keep.
    static bool writeSettingsFile(const std::string& bytes);
    PastewiseApp(const PastewiseApp&) = delete;
    PastewiseApp& operator=(const PastewiseApp&) = delete;
    ~PastewiseApp();

    const Process& process() const noexcept { return process_; }
    DWORD processId() const noexcept { return process_.id(); }
    HWND mainWindow() const noexcept { return main_; }
    // The main window's caption, which also names the open configuration file.
    std::string caption() const;
    bool waitForCaption(const std::string& expected, milliseconds timeout = kDefaultTimeout) const;
    // A control of the main window by id, wherever it sits in the window tree.
    HWND control(int id) const;
    const RemoteListView& list() const { return *list_; }

    // Puts the keyboard focus in the entry box (by clicking it) and types the text (UTF-8)
    // there, replacing what it held; succeeds once the box shows exactly that text.
    ::testing::AssertionResult typeEntry(const std::string& text) const;
    // Puts the text in the entry box with WM_SETTEXT, without taking the focus.
    bool setEntry(const std::string& text) const;
    std::string entry() const;
    // Waits for the entry box to show exactly the text (auto-copy fills it).
    ::testing::AssertionResult waitForEntry(const std::string& expected,
                                            milliseconds timeout = kDefaultTimeout) const;
    // Clicks the button if it is enabled, and returns once the program has handled the click
    // (and whatever it queued before it), or has opened a modal box in handling it.
    bool click(int id) const;
    // Clicks the check box unless it is in that state already; succeeds once the program has
    // handled the click and the box shows the state.
    bool setCheckBox(int id, bool checked) const;
    bool waitForEnabled(int id, bool enabled, milliseconds timeout = kDefaultTimeout) const;
    bool waitForRowCount(int count, milliseconds timeout = kDefaultTimeout) const;
    // Sets the entry box to the text, clicks Add and waits until the list has one more row.
    // Leaves the keyboard focus where it is.
    ::testing::AssertionResult addSnippet(const std::string& text) const;
    // Returns once the program has handled the messages already queued for it, such as the
    // WM_HOTKEY of a key just pressed: a message posted behind them has taken effect.
    bool waitForQueuedMessages() const;
    // After a message the start showed before the window made its controls.
    bool waitForControls() const;
    // Presses Ctrl+key as a user does: the keys stay down until the program has handled the
    // hotkey. (Wine injects one SendInput key by key, so keys let go at once could come
    // between the program's own Ctrl down and V down, and its paste would type a "v".)
    bool pressHotkey(char key) const;
    // The same for any combination: modifiers first, then the key ('K', VK_F7, ...).
    bool pressHotkey(std::initializer_list<WORD> keys) const;
    // Selects the row and double-clicks it with the real mouse, as a user opens it for editing.
    ::testing::AssertionResult doubleClickRow(int row) const;
    // Right-clicks the row with the real mouse and, once its context menu is up, presses the
    // mnemonic key of an item ('E' for "&Edit").
    ::testing::AssertionResult chooseFromRowMenu(int row, WORD mnemonic) const;
    // What choosing a menu item is expected to show.
    enum class MenuEffect {
        // A dialog or message box of the program, a new caption or another row count.
        Visible,
        // Nothing that can be seen (New on an empty untitled list, say).
        None,
    };
    // Clicks the "Menu" label with the real mouse and, once the main menu is up, presses the
    // mnemonic key of an item ('N' for "&New Configuration", 'V' for "Sa&ve Configuration
    // As..."). A late focus change in Wine may close the menu before the key gets there; when
    // a visible effect is expected and none comes, the whole choice is made again.
    ::testing::AssertionResult chooseFromMainMenu(WORD mnemonic,
                                                  MenuEffect effect = MenuEffect::Visible) const;
    // Right-clicks the notification-area icon, as the shell reports it to the program, and
    // presses the mnemonic key of an item of the menu that opens ('E' for "&Exit").
    ::testing::AssertionResult chooseFromTrayMenu(WORD mnemonic) const;
    // A dialog or message box of the program is up: a system one (class #32770) or one of its
    // own forms (Edit item, Options, the about box).
    bool showsDialog() const;
    // The program's message box (caption "Orvane Pastewise") once it is up, or null.
    HWND waitForMessageBox(milliseconds timeout = kDefaultTimeout) const;
    // Clicks Exit; the exit code once the process has ended.
    std::optional<DWORD> exit();
    // Clicks Exit and returns at once, for an exit that asks something first.
    bool clickExit() const;

    // Brings the main window to the front and finds a point of the control, `dx` pixels right
    // of its centre, checking that nothing covers it there.
    ::testing::AssertionResult pointAtControl(HWND control, int dx, POINT& point) const;
    // Where the main window draws one of its labels or pictures, on the screen. They have no
    // windows of their own: their places follow from the layout's rules at the window's DPI
    // and from the list view above them.
    RECT drawnPlace(int id) const;
    // As pointAtControl, for a label or picture the main window draws.
    ::testing::AssertionResult pointAtDrawn(int id, int dx, POINT& point) const;
    // Waits for a popup menu of the program to be up, presses the mnemonic key and waits for
    // the menu to close.
    ::testing::AssertionResult pressInPopupMenu(WORD mnemonic, const std::string& which) const;
    // The program's popup menu that is up, or null.
    HWND visibleMenu() const;

private:
    bool controlsMade() const;
    // A point of `rect`, `dx` right of its centre, once the main window is in front and the
    // window showing the control there is `shownBy`.
    ::testing::AssertionResult pointAt(const RECT& rect, HWND shownBy, int id, int dx,
                                       POINT& point) const;
    // Selects the row, brings the main window to the front and finds a point inside the row
    // where nothing covers the list.
    ::testing::AssertionResult pointAtRow(int row, POINT& point) const;

    Process process_;
    HWND main_ = nullptr;
    // Made once the list view is: a start-up message can come before it.
    mutable std::optional<RemoteListView> list_;
    // Main menu clicks so far; see chooseFromMainMenu().
    mutable int menuClicks_ = 0;
};

} // namespace e2e
