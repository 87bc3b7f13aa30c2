#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "Notepad.h"
#include "PasteCheck.h"
#include "PastewiseApp.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "app/TrayIcon.h"

namespace e2e {
namespace {

// The program's icon record as the shell knows it: the main window, and its handle as the id.
NOTIFYICONDATAA iconOf(HWND main) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = main;
    icon.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(main));
    return icon;
}

// A modify that changes nothing succeeds only while the icon is there.
bool iconPresent(HWND main) {
    NOTIFYICONDATAA icon = iconOf(main);
    return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

bool waitForIcon(HWND main, bool present) {
    return waitUntil([&] { return iconPresent(main) == present; });
}

// The mouse over the icon, as the shell tells the program.
void clickIcon(HWND main, UINT mouseMessage) {
    PostMessageA(main, pw::kTrayCallback, 0, static_cast<LPARAM>(mouseMessage));
}

bool waitForHidden(HWND main) {
    return waitUntil([&] { return IsWindowVisible(main) == FALSE; });
}

bool waitForShownNormal(HWND main) {
    return waitUntil([&] { return IsWindowVisible(main) != FALSE && IsIconic(main) == FALSE; });
}

bool isToolWindow(HWND main) {
    return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
}

TEST(Tray, CloseHidesTheWindowWhichKeepsPastingAndTheIconBringsItBack) {
    PastewiseApp app;
    const HWND main = app.mainWindow();
    EXPECT_TRUE(waitForIcon(main, true)) << "no icon after start-up";
    ASSERT_TRUE(app.addSnippet("alpha"));
    ASSERT_TRUE(app.addSnippet("beta"));
    ASSERT_TRUE(app.list().select(1));

    ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0));
    ASSERT_TRUE(waitForHidden(main));
    EXPECT_TRUE(app.process().running());
    EXPECT_TRUE(waitForIcon(main, true));
    EXPECT_FALSE(isToolWindow(main));

    Notepad notepad;
    EXPECT_TRUE(pasteInNotepad(app, notepad, '2', "beta"));

    // The shell starts again: its icons are gone until the program adds its own again.
    NOTIFYICONDATAA icon = iconOf(main);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_FALSE(iconPresent(main));
    SendMessageTimeoutA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_NORMAL, 5000,
                        nullptr);
    EXPECT_TRUE(waitForIcon(main, true)) << "the icon did not come back";

    clickIcon(main, WM_LBUTTONDOWN);
    ASSERT_TRUE(waitForShownNormal(main));
    EXPECT_TRUE(waitForIcon(main, false)) << "the icon stays beside the window";
    EXPECT_TRUE(waitUntil([&] { return app.list().selected() == 0; }))
        << "selected: " << app.list().selected().value_or(-2);
    // The show handler ran again: the focus is in the entry box.
    EXPECT_TRUE(waitUntil([&] { return focusOfThread(main) == app.control(IDC_EDIT_CLIPSTRING); }))
        << "focus on a " << windowClass(focusOfThread(main));
    EXPECT_FALSE(isToolWindow(main));

    // Closed again, the icon is back; its menu's Open brings the window back, its Exit ends
    // the program.
    const auto closeAndChoose = [&](WORD item) {
        return PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0) && waitForHidden(main) &&
               waitForIcon(main, true) && app.chooseFromTrayMenu(item);
    };
    ASSERT_TRUE(closeAndChoose('O'));
    EXPECT_TRUE(waitForShownNormal(main));
    EXPECT_TRUE(waitForIcon(main, false));
    ASSERT_TRUE(closeAndChoose('E'));
    EXPECT_EQ(app.process().waitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(iconPresent(main));
}

bool isTopmost(HWND main) {
    return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST(Tray, MinimizeHidesOnlyAfterTheFirstCloseAndTheWindowComesBackAsItsBoxesSay) {
    PastewiseApp app;
    const HWND main = app.mainWindow();
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_ALWAYSONTOP, true));
    EXPECT_TRUE(isTopmost(main));
    ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0));
    ASSERT_TRUE(waitUntil([&] { return IsIconic(main) != FALSE; }));
    EXPECT_TRUE(IsWindowVisible(main)) << "an ordinary minimize keeps the taskbar entry";
    ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0));
    ASSERT_TRUE(waitForShownNormal(main));

    ASSERT_TRUE(PostMessageA(main, WM_CLOSE, 0, 0));
    ASSERT_TRUE(waitForHidden(main));
    clickIcon(main, WM_LBUTTONDOWN);
    ASSERT_TRUE(waitForShownNormal(main));
    EXPECT_TRUE(waitForIcon(main, false));

    EXPECT_TRUE(isTopmost(main));
    EXPECT_EQ(sendTo(app.control(IDC_CHECK_ALWAYSONTOP), BM_GETCHECK), BST_CHECKED);
    // Out of the topmost band at once.
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_ALWAYSONTOP, false));
    EXPECT_FALSE(isTopmost(main));

    ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0));
    EXPECT_TRUE(waitForHidden(main));
    EXPECT_TRUE(waitForIcon(main, true));
}

struct Bounds {
    RECT rect{};
    bool operator==(const Bounds& other) const { return EqualRect(&rect, &other.rect) != FALSE; }
};
std::ostream& operator<<(std::ostream& out, const Bounds& b) {
    return out << b.rect.left << "," << b.rect.top << " " << b.rect.right - b.rect.left << "x"
               << b.rect.bottom - b.rect.top;
}
Bounds boundsOf(HWND window) {
    Bounds b;
    GetWindowRect(window, &b.rect);
    return b;
}

int storedPosition(const char* key) {
    return static_cast<int>(GetPrivateProfileIntA("WindowsPosition", key, -12345,
                                                  PastewiseApp::settingsFile().c_str()));
}

TEST(Tray, MaximizeThenRestoreReturnsToTheEarlierBoundsWhichExitWrites) {
    Bounds before;
    {
        PastewiseApp app;
        const HWND main = app.mainWindow();
        ASSERT_TRUE(SetWindowPos(main, nullptr, 40, 30, 600, 500, SWP_NOZORDER));
        before = boundsOf(main);
        ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0));
        ASSERT_TRUE(waitUntil([&] { return IsZoomed(main) != FALSE; }));
        ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0));
        EXPECT_TRUE(waitUntil([&] { return IsZoomed(main) == FALSE && boundsOf(main) == before; }))
            << "restored to " << boundsOf(main) << ", expected " << before;

        ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0));
        ASSERT_TRUE(waitUntil([&] { return IsZoomed(main) != FALSE; }));
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    EXPECT_EQ(storedPosition("Maximized"), 1);
    EXPECT_EQ(storedPosition("NormalLeft"), 40);
    EXPECT_EQ(storedPosition("NormalTop"), 30);
    EXPECT_EQ(storedPosition("NormalWidth"), 600);
    EXPECT_EQ(storedPosition("NormalHeight"), 500);

    // A start in the maximized state restores to the stored bounds.
    PastewiseApp app(PastewiseApp::Settings::Keep);
    const HWND main = app.mainWindow();
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(main) != FALSE; }));
    ASSERT_TRUE(PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0));
    EXPECT_TRUE(waitUntil([&] { return IsZoomed(main) == FALSE && boundsOf(main) == before; }))
        << "restored to " << boundsOf(main) << ", expected " << before;
}

} // namespace
} // namespace e2e
