#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <array>

#include "Input.h"
#include "Notepad.h"
#include "PasteCheck.h"
#include "PastewiseApp.h"
#include "ProgramBox.h"
#include "StoredFiles.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "platform/win32/WindowMessages.h"

namespace e2e {
namespace {

// The program's icon record: the main window, and its handle as the id. A modify that changes
// nothing succeeds only while the icon is there.
NOTIFYICONDATAA iconOf(HWND main) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = main;
    icon.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(main));
    return icon;
}
bool waitForIcon(HWND main, bool present) {
    NOTIFYICONDATAA icon = iconOf(main);
    return waitUntil([&] { return (Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE) == present; });
}
bool command(HWND main, WPARAM systemCommand) {
    return PostMessageA(main, WM_SYSCOMMAND, systemCommand, 0) != FALSE;
}
bool waitForHidden(HWND main) {
    return waitUntil([&] { return IsWindowVisible(main) == FALSE; });
}
bool waitForShown(HWND main) {
    return waitUntil([&] { return IsWindowVisible(main) != FALSE && IsIconic(main) == FALSE; });
}

TEST(Tray, CloseHidesTheWindowWhichKeepsPastingAndTheIconAndItsMenuBringItBackOrEndIt) {
    PastewiseApp app;
    const HWND main = app.mainWindow();
    EXPECT_TRUE(waitForIcon(main, true)) << "no icon after start-up";
    ASSERT_TRUE(app.addSnippet("alpha") && app.addSnippet("beta") && app.list().select(1));
    // Before the first close a minimize keeps the taskbar entry.
    ASSERT_TRUE(command(main, SC_MINIMIZE));
    ASSERT_TRUE(waitUntil([&] { return IsIconic(main) != FALSE && IsWindowVisible(main); }));
    ASSERT_TRUE(command(main, SC_RESTORE) && waitForShown(main));

    ASSERT_TRUE(command(main, SC_CLOSE) && waitForHidden(main));
    EXPECT_TRUE(waitForIcon(main, true));
    EXPECT_EQ(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    Notepad notepad;
    EXPECT_TRUE(pasteInNotepad(app, notepad, '2', "beta"));

    // The shell starts again without its icons: the program adds its own again.
    NOTIFYICONDATAA icon = iconOf(main);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    SendMessageTimeoutA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_NORMAL, 5000,
                        nullptr);
    EXPECT_TRUE(waitForIcon(main, true)) << "the icon did not come back";

    PostMessageA(main, pw::win32::kTrayCallback, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(waitForShown(main));
    EXPECT_TRUE(waitForIcon(main, false)) << "the icon stays beside the window";
    EXPECT_TRUE(waitUntil([&] { return app.list().selected() == 0; }));
    // The show handler ran again: the focus is in the entry box.
    EXPECT_TRUE(waitUntil([&] { return focusOfThread(main) == app.control(IDC_EDIT_CLIPSTRING); }));

    // After the first close a minimize hides too; the icon menu's Open and Exit.
    ASSERT_TRUE(command(main, SC_MINIMIZE) && waitForHidden(main));
    ASSERT_TRUE(waitForIcon(main, true) && app.chooseFromTrayMenu('O'));
    EXPECT_TRUE(waitForShown(main) && waitForIcon(main, false));
    ASSERT_TRUE(command(main, SC_CLOSE) && waitForHidden(main));
    ASSERT_TRUE(app.chooseFromTrayMenu('E'));
    EXPECT_EQ(app.process().waitForExit(), std::optional<DWORD>(0));
}

// Exit chosen from the icon's menu while the window is hidden, and Cancel at the save question:
// the program runs on, and its icon is still there to bring the window back.
TEST(Tray, ExitFromTheIconMenuCancelledAtTheSaveQuestionLeavesTheIconToComeBackBy) {
    PastewiseApp app;
    const HWND main = app.mainWindow();
    ASSERT_TRUE(app.chooseFromMainMenu('N')); // an untitled list, which Exit asks about
    ASSERT_TRUE(app.waitForCaption(documentCaption("Untitled")));
    ASSERT_TRUE(app.addSnippet("unsaved"));
    ASSERT_TRUE(command(main, SC_CLOSE) && waitForHidden(main) && waitForIcon(main, true));

    ASSERT_TRUE(app.chooseFromTrayMenu('E'));
    EXPECT_TRUE(answerProgramBox(app, "Do you want to save changes to configuration file?",
                                 BoxButtons::YesNoCancel, IDCANCEL));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_TRUE(app.process().running());
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(waitForIcon(main, true)) << "hidden, and no icon to bring it back";

    PostMessageA(main, pw::win32::kTrayCallback, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(waitForShown(main) && waitForIcon(main, false));
    EXPECT_EQ(app.list().count(), 1);
}

bool waitForTopmost(HWND main, bool on) {
    return waitUntil(
        [&] { return ((GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == on; });
}

TEST(Tray, AlwaysOnTopTickedAfterAStayInTheNotificationAreaPutsTheWindowOnTopAndIsKept) {
    {
        PastewiseApp app;
        const HWND main = app.mainWindow();
        ASSERT_TRUE(command(main, SC_CLOSE) && waitForHidden(main));
        PostMessageA(main, pw::win32::kTrayCallback, 0, WM_LBUTTONDOWN);
        ASSERT_TRUE(waitForShown(main) && waitForIcon(main, false));
        // The pointer comes over the window on its way to the box: the hints are made.
        POINT point{};
        ASSERT_TRUE(app.pointAtControl(app.control(IDC_LISTVIEW), 0, point));
        ASSERT_TRUE(moveMouseTo(point) && moveMouseTo({point.x + 1, point.y}));
        ASSERT_TRUE(
            waitUntil([&] { return findTopLevel(app.processId(), TOOLTIPS_CLASSA) != nullptr; }));
        for (const bool on : {true, false, true}) {
            ASSERT_TRUE(app.setCheckBox(IDC_CHECK_ALWAYSONTOP, on));
            EXPECT_TRUE(waitForTopmost(main, on)) << "ticked " << on;
        }
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    EXPECT_EQ(
        GetPrivateProfileIntA("AlwaysOnTop", "Enable", -1, PastewiseApp::settingsFile().c_str()),
        1);
    PastewiseApp app(PastewiseApp::Settings::Keep);
    EXPECT_TRUE(waitForTopmost(app.mainWindow(), true)) << "not on top at the next start";
}

std::array<LONG, 4> boundsOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST(Tray, MaximizeThenRestoreReturnsToTheEarlierBoundsWhichAnExitWhileHiddenWrites) {
    const std::array<LONG, 4> before{40, 30, 600, 500};
    const auto restoresTo = [&](HWND main) {
        return command(main, SC_RESTORE) &&
               waitUntil([&] { return !IsZoomed(main) && boundsOf(main) == before; });
    };
    {
        PastewiseApp app;
        const HWND main = app.mainWindow();
        ASSERT_TRUE(SetWindowPos(main, nullptr, 40, 30, 600, 500, SWP_NOZORDER));
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(command(main, SC_MAXIMIZE));
            ASSERT_TRUE(waitUntil([&] { return IsZoomed(main) != FALSE; }));
            if (round == 0) {
                EXPECT_TRUE(restoresTo(main));
            }
        }
        // Ended from the notification area: hidden, the window is stored as it was shown.
        ASSERT_TRUE(command(main, SC_CLOSE) && waitForHidden(main));
        ASSERT_TRUE(app.chooseFromTrayMenu('E'));
        ASSERT_EQ(app.process().waitForExit(), std::optional<DWORD>(0));
    }
    std::array<LONG, 5> stored{};
    const char* keys[] = {"NormalLeft", "NormalTop", "NormalWidth", "NormalHeight", "Maximized"};
    for (int i = 0; i < 5; ++i)
        stored[i] = static_cast<LONG>(GetPrivateProfileIntA("WindowsPosition", keys[i], -1,
                                                            PastewiseApp::settingsFile().c_str()));
    EXPECT_EQ(stored, (std::array<LONG, 5>{40, 30, 600, 500, 1}));

    // A start in the maximized state restores to the stored bounds.
    PastewiseApp app(PastewiseApp::Settings::Keep);
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(app.mainWindow()) != FALSE; }));
    EXPECT_TRUE(restoresTo(app.mainWindow()));
}

} // namespace
} // namespace e2e
