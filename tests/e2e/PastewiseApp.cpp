#include "PastewiseApp.h"

#include <shlobj.h>

#include <stdexcept>

#include "EditItemDialog.h"
#include "Input.h"
#include "OptionsDialog.h"
#include "TestFiles.h"
#include "Utf8.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "platform/win32/WindowMessages.h"
#include "platform/Product.h"

namespace e2e {

namespace {

std::string& programPathStorage() {
    static std::string path;
    return path;
}

} // namespace

void setProgramPath(std::string path) {
    programPathStorage() = std::move(path);
}

const std::string& programPath() {
    return programPathStorage();
}

std::string PastewiseApp::settingsFile() {
    wchar_t appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, appData))) {
        throw std::runtime_error("no application-data folder");
    }
    return toUtf8(appData) + "\\Orvane\\Pastewise\\options.ini";
}

bool PastewiseApp::writeSettingsFile(const std::string& bytes) {
    const std::string file = settingsFile();
    const std::string folder = file.substr(0, file.rfind('\\'));
    const int created = SHCreateDirectoryExW(nullptr, toWide(folder).c_str(), nullptr);
    if (created != ERROR_SUCCESS && created != ERROR_ALREADY_EXISTS) {
        return false;
    }
    return writeFileBytes(file, bytes) && readFileBytes(file) == bytes;
}

namespace {

// Runs before the program starts, so the start sees the settings the test wants.
Process startWith(PastewiseApp::Settings settings) {
    if (settings == PastewiseApp::Settings::Fresh) {
        DeleteFileW(toWide(PastewiseApp::settingsFile()).c_str());
    }
    return Process::start(quoted(programPath()));
}

} // namespace

PastewiseApp::PastewiseApp(Settings settings) : process_(startWith(settings)) {
    main_ =
        pollFor([&] { return findTopLevel(process_.id(), pw::kMainWindowClass); }, kStartTimeout);
    // The main window exists before its children: wait for the last ones it
    // creates too, or for a message the start shows before it makes them.
    const bool ready =
        main_ != nullptr && waitUntil([&] {
            return controlsMade() || findTopLevel(process_.id(), "#32770") != nullptr;
        }) &&
        process_.waitForInputIdle();
    if (!ready) {
        process_.terminate();
        throw std::runtime_error("Pastewise did not show its main window and controls");
    }
    if (controlsMade()) {
        list_.emplace(control(IDC_LISTVIEW));
    }
}

PastewiseApp::~PastewiseApp() {
    if (process_.running() && !exit()) {
        process_.terminate();
    }
}

bool PastewiseApp::controlsMade() const {
    return control(IDC_LISTVIEW) != nullptr && control(IDC_EDIT_CLIPSTRING) != nullptr &&
           control(IDC_BUTTON_ADD) != nullptr && control(IDC_BUTTON_EXIT) != nullptr;
}

bool PastewiseApp::waitForControls() const {
    if (!waitUntil([&] { return controlsMade(); }) || !waitForQueuedMessages()) {
        return false;
    }
    if (!list_) {
        list_.emplace(control(IDC_LISTVIEW));
    }
    return true;
}

HWND PastewiseApp::control(int id) const {
    return findDescendant(main_, id);
}

::testing::AssertionResult PastewiseApp::typeEntry(const std::string& text) const {
    const HWND entry = control(IDC_EDIT_CLIPSTRING);
    const auto entryFocused = [&] {
        return GetForegroundWindow() == main_ && focusOfThread(main_) == entry;
    };
    // Wine's X11 windows learn of focus changes a moment later, and a late one can take the
    // foreground away while the driver types: then it starts again.
    constexpr int kAttempts = 3;
    constexpr milliseconds kAttemptTimeout{2000};
    for (int attempt = 1;; ++attempt) {
        if (!setWindowText(entry, "")) {
            return ::testing::AssertionFailure() << "cannot empty the entry box";
        }
        const bool focused = waitUntil([&] {
            if (entryFocused()) {
                return true;
            }
            SetForegroundWindow(main_);
            clickCentre(entry);
            return waitUntil(entryFocused, milliseconds{200});
        });
        if (!focused) {
            return ::testing::AssertionFailure()
                   << "the entry box did not get the focus; foreground "
                   << windowClass(GetForegroundWindow()) << ", focus in the program "
                   << windowClass(focusOfThread(main_));
        }
        if (!typeText(toWide(text))) {
            return ::testing::AssertionFailure() << "SendInput failed";
        }
        if (waitUntil([&] { return windowText(entry) == text; }, kAttemptTimeout)) {
            return ::testing::AssertionSuccess();
        }
        if (attempt == kAttempts) {
            return ::testing::AssertionFailure()
                   << "typed \"" << text << "\" " << kAttempts << " times, the entry box shows \""
                   << windowText(entry) << "\"";
        }
    }
}

bool PastewiseApp::setEntry(const std::string& text) const {
    const HWND entry = control(IDC_EDIT_CLIPSTRING);
    return setWindowText(entry, text) && windowText(entry) == text;
}

std::string PastewiseApp::entry() const {
    return windowText(control(IDC_EDIT_CLIPSTRING));
}

::testing::AssertionResult PastewiseApp::waitForEntry(const std::string& expected,
                                                      milliseconds timeout) const {
    if (waitUntil([&] { return entry() == expected; }, timeout)) {
        return ::testing::AssertionSuccess();
    }
    const std::string shown = entry();
    // Long texts are told apart by their lengths, not printed.
    constexpr std::size_t kLongText = 200;
    if (shown.size() > kLongText || expected.size() > kLongText) {
        return ::testing::AssertionFailure() << "the entry box shows " << shown.size()
                                             << " characters, expected " << expected.size();
    }
    return ::testing::AssertionFailure()
           << "the entry box shows \"" << shown << "\", expected \"" << expected << "\"";
}

bool PastewiseApp::click(int id) const {
    return clickButton(control(id)) && waitForQueuedMessages();
}

bool PastewiseApp::setCheckBox(int id, bool checked) const {
    const HWND box = control(id);
    const auto isChecked = [&] { return sendTo(box, BM_GETCHECK) == BST_CHECKED; };
    if (box == nullptr || isChecked() == checked) {
        return box != nullptr;
    }
    return clickButton(box) && waitForQueuedMessages() && isChecked() == checked;
}

bool PastewiseApp::waitForEnabled(int id, bool enabled, milliseconds timeout) const {
    const HWND button = control(id);
    return button != nullptr &&
           waitUntil([&] { return (IsWindowEnabled(button) != 0) == enabled; }, timeout);
}

bool PastewiseApp::waitForRowCount(int count, milliseconds timeout) const {
    return waitUntil([&] { return list_->count() == count; }, timeout);
}

::testing::AssertionResult PastewiseApp::addSnippet(const std::string& text) const {
    const auto before = list_->count();
    if (!before) {
        return ::testing::AssertionFailure() << "cannot read the list";
    }
    if (!setEntry(text)) {
        return ::testing::AssertionFailure() << "cannot set the entry box to \"" << text << "\"";
    }
    if (!click(IDC_BUTTON_ADD)) {
        return ::testing::AssertionFailure() << "cannot click Add";
    }
    if (!waitForRowCount(*before + 1)) {
        return ::testing::AssertionFailure() << "the list has " << list_->count().value_or(-1)
                                             << " rows after Add, expected " << *before + 1;
    }
    return ::testing::AssertionSuccess();
}

bool PastewiseApp::waitForQueuedMessages() const {
    // The entry box's length limit serves as the marker: it changes nothing a user sees and
    // sends no notification. Set it to a new value by a posted message, wait for that value,
    // then put the old one back.
    const HWND entry = control(IDC_EDIT_CLIPSTRING);
    const auto limit = sendTo(entry, EM_GETLIMITTEXT);
    if (!limit) {
        return false;
    }
    const LRESULT marker = *limit == 12345 ? 12346 : 12345;
    const bool handled = PostMessageA(entry, EM_SETLIMITTEXT, static_cast<WPARAM>(marker), 0) &&
                         waitUntil([&] { return sendTo(entry, EM_GETLIMITTEXT) == marker; });
    sendTo(entry, EM_SETLIMITTEXT, static_cast<WPARAM>(*limit));
    return handled;
}

bool PastewiseApp::pressHotkey(char key) const {
    return pressHotkey({VK_CONTROL, static_cast<WORD>(static_cast<unsigned char>(key))});
}

bool PastewiseApp::pressHotkey(std::initializer_list<WORD> keys) const {
    const bool held = holdKeys(keys);
    const bool handled = held && waitForQueuedMessages();
    return releaseKeys(keys) && handled;
}

::testing::AssertionResult PastewiseApp::pointAtRow(int row, POINT& point) const {
    if (!list_->select(row) || !waitUntil([&] { return list_->selected() == row; })) {
        return ::testing::AssertionFailure() << "cannot select row " << row;
    }
    const auto rect = list_->rowRectOnScreen(row);
    if (!rect) {
        return ::testing::AssertionFailure() << "cannot read where row " << row << " is";
    }
    if (!bringToFront(main_)) {
        return ::testing::AssertionFailure()
               << "the main window did not come to the front; foreground "
               << windowClass(GetForegroundWindow());
    }
    // Inside the first column, where the row's number is, clear of the header and the borders.
    point = {rect->left + 8, (rect->top + rect->bottom) / 2};
    if (!waitUntil([&] { return WindowFromPoint(point) == list_->window(); })) {
        return ::testing::AssertionFailure()
               << "row " << row << " is not visible at (" << point.x << ", " << point.y
               << "), there is a " << windowClass(WindowFromPoint(point));
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PastewiseApp::doubleClickRow(int row) const {
    POINT point{};
    if (auto found = pointAtRow(row, point); !found) {
        return found;
    }
    if (!clickAt(point, 2)) {
        return ::testing::AssertionFailure() << "SendInput failed";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PastewiseApp::chooseFromRowMenu(int row, WORD mnemonic) const {
    POINT point{};
    if (auto found = pointAtRow(row, point); !found) {
        return found;
    }
    if (!rightClickAt(point)) {
        return ::testing::AssertionFailure() << "SendInput failed";
    }
    return pressInPopupMenu(mnemonic, "context menu of row " + std::to_string(row));
}

HWND PastewiseApp::visibleMenu() const {
    // A popup menu is a top-level window of class #32768 of the process that tracks it.
    for (HWND window : topLevelWindows(process_.id(), "#32768")) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

::testing::AssertionResult PastewiseApp::pressInPopupMenu(WORD mnemonic,
                                                          const std::string& which) const {
    const HWND menu = pollFor([&] { return visibleMenu(); });
    if (menu == nullptr) {
        return ::testing::AssertionFailure() << "no " << which << " after the click";
    }
    if (!pressKeys({mnemonic})) {
        return ::testing::AssertionFailure() << "SendInput failed";
    }
    if (!waitUntil([&] { return IsWindowVisible(menu) == 0; })) {
        return ::testing::AssertionFailure() << "the " << which << " stays open";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PastewiseApp::pointAtControl(HWND control, int dx, POINT& point) const {
    RECT rect{};
    if (control == nullptr || !GetWindowRect(control, &rect)) {
        return ::testing::AssertionFailure() << "no such control";
    }
    return pointAt(rect, control, GetDlgCtrlID(control), dx, point);
}

::testing::AssertionResult PastewiseApp::pointAt(const RECT& rect, HWND shownBy, int id, int dx,
                                                 POINT& point) const {
    if (!bringToFront(main_)) {
        return ::testing::AssertionFailure()
               << "the main window did not come to the front; foreground "
               << windowClass(GetForegroundWindow());
    }
    point = {(rect.left + rect.right) / 2 + dx, (rect.top + rect.bottom) / 2};
    if (!waitUntil([&] { return WindowFromPoint(point) == shownBy; })) {
        return ::testing::AssertionFailure()
               << "control " << id << " is not visible at (" << point.x << ", " << point.y
               << "), there is a " << windowClass(WindowFromPoint(point));
    }
    return ::testing::AssertionSuccess();
}

RECT PastewiseApp::drawnPlace(int id) const {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    const int dpi = dpiForWindow != nullptr ? static_cast<int>(dpiForWindow(main_)) : 96;
    const auto px = [dpi](int design) { return MulDiv(design, dpi, 96); };
    RECT list{};
    GetWindowRect(control(IDC_LISTVIEW), &list);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&list), 2);
    RECT client{};
    GetClientRect(main_, &client);
    const int belowList = list.bottom + px(8);
    RECT r{};
    switch (id) {
    case IDC_IMAGE_TITLE:
        r = {0, 0, client.right, px(50)};
        break;
    case IDC_IMAGE_MENU:
        r = {px(11), belowList, px(11) + px(32), belowList + px(32)};
        break;
    case IDC_LABEL_MENU:
        r = {px(45), belowList + px(17), px(45) + px(32), belowList + px(17) + px(13)};
        break;
    case IDC_LABEL_DONATE:
        r = {px(96), belowList + px(17), px(96) + px(44), belowList + px(17) + px(13)};
        break;
    default:
        return r;
    }
    MapWindowPoints(main_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

::testing::AssertionResult PastewiseApp::pointAtDrawn(int id, int dx, POINT& point) const {
    const RECT rect = drawnPlace(id);
    if (rect.right <= rect.left) {
        return ::testing::AssertionFailure() << "no such label or picture";
    }
    return pointAt(rect, main_, id, dx, point);
}

::testing::AssertionResult PastewiseApp::chooseFromMainMenu(WORD mnemonic,
                                                            MenuEffect effect) const {
    constexpr int kAttempts = 3;
    // Longer than the double-click time, so that the next click on the label is a click again.
    constexpr milliseconds kMenuTimeout{2000};
    auto failure = ::testing::AssertionFailure();
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const std::string captionBefore = caption();
        const auto rowsBefore = list_->count();
        // Two clicks on the label within the double-click time and a few pixels of each other
        // make a double-click, which does not open the menu: the next click is 10 pixels away.
        const int dx = menuClicks_++ % 2 == 0 ? -5 : 5;
        POINT point{};
        if (auto found = pointAtDrawn(IDC_LABEL_MENU, dx, point); !found) {
            return found;
        }
        if (!clickAt(point)) {
            return ::testing::AssertionFailure() << "SendInput failed";
        }
        const HWND menu = pollFor([&] { return visibleMenu(); }, kMenuTimeout);
        if (menu == nullptr) {
            failure << "no main menu after click " << attempt << "; ";
            continue;
        }
        if (!pressKeys({mnemonic})) {
            return ::testing::AssertionFailure() << "SendInput failed";
        }
        if (!waitUntil([&] { return IsWindowVisible(menu) == 0; })) {
            return ::testing::AssertionFailure() << "the main menu stays open";
        }
        if (effect == MenuEffect::None) {
            return ::testing::AssertionSuccess();
        }
        const bool effective = waitUntil([&] {
            return showsDialog() || caption() != captionBefore || list_->count() != rowsBefore;
        });
        if (effective) {
            return ::testing::AssertionSuccess();
        }
        failure << "the main menu closed after attempt " << attempt << ", but nothing came of it; ";
    }
    return failure;
}

::testing::AssertionResult PastewiseApp::chooseFromTrayMenu(WORD mnemonic) const {
    if (!PostMessageA(main_, pw::win32::kTrayCallback, 0, WM_RBUTTONDOWN)) {
        return ::testing::AssertionFailure() << "cannot post the icon's message";
    }
    if (auto chosen = pressInPopupMenu(mnemonic, "menu of the notification-area icon"); chosen) {
        return chosen;
    }
    // With the window hidden, the key may reach whichever window Wine still treats as focused:
    // then it goes to the menu's own queue, as a keyboard would.
    const HWND menu = visibleMenu();
    if (menu == nullptr || !PostMessageA(menu, WM_KEYDOWN, mnemonic, 0) ||
        !waitUntil([&] { return IsWindowVisible(menu) == 0; })) {
        return ::testing::AssertionFailure() << "the menu of the notification-area icon stays open";
    }
    return ::testing::AssertionSuccess();
}

bool PastewiseApp::showsDialog() const {
    for (const char* dialogClass :
         {"#32770", EditItemDialog::kClass, OptionsDialog::kClass, kAboutBoxClass}) {
        for (HWND window : topLevelWindows(process_.id(), dialogClass)) {
            if (IsWindowVisible(window)) {
                return true;
            }
        }
    }
    return false;
}

HWND PastewiseApp::waitForMessageBox(milliseconds timeout) const {
    return pollFor([&] { return findMessageBox(process_.id(), pw::kMessageCaption); }, timeout);
}

std::string PastewiseApp::caption() const {
    return windowText(main_);
}

bool PastewiseApp::waitForCaption(const std::string& expected, milliseconds timeout) const {
    return waitUntil([&] { return caption() == expected; }, timeout);
}

bool PastewiseApp::clickExit() const {
    return clickButton(control(IDC_BUTTON_EXIT));
}

std::optional<DWORD> PastewiseApp::exit() {
    if (!clickExit()) {
        return std::nullopt;
    }
    return process_.waitForExit();
}

} // namespace e2e
