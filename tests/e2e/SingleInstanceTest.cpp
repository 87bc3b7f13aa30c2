#include <gtest/gtest.h>

#include "Notepad.h"
#include "PastewiseApp.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "platform/Product.h"

namespace e2e {
namespace {

// Every top-level main window on the desktop, whichever process made it.
int mainWindowCount() {
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, pw::kMainWindowClass, nullptr);
         window != nullptr;
         window = FindWindowExA(nullptr, window, pw::kMainWindowClass, nullptr)) {
        ++count;
    }
    return count;
}

TEST(SingleInstance, SecondStartBringsTheFirstToTheFrontAndEnds) {
    PastewiseApp first;
    EXPECT_EQ(windowText(first.mainWindow()), std::string(pw::kAppTitle) + " " + pw::kVersion);
    EXPECT_EQ(mainWindowCount(), 1);

    // Someone else is in front, so that coming to the front is something the start must do.
    Notepad notepad;
    ASSERT_TRUE(notepad.focus());
    ASSERT_NE(GetForegroundWindow(), first.mainWindow());

    const Process second = Process::start(quoted(programPath()));
    struct EndOnScopeExit {
        const Process& process;
        ~EndOnScopeExit() { process.terminate(); }
    } guard{second};

    bool secondMadeAMainWindow = false;
    const auto exitCode = pollFor(
        [&]() -> std::optional<DWORD> {
            if (findTopLevel(second.id(), pw::kMainWindowClass) != nullptr) {
                secondMadeAMainWindow = true;
            }
            return second.waitForExit(milliseconds{0});
        },
        kStartTimeout);
    ASSERT_TRUE(exitCode.has_value()) << "the second start is still running";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_FALSE(secondMadeAMainWindow);

    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == first.mainWindow(); }))
        << "foreground: " << windowClass(GetForegroundWindow());
    EXPECT_TRUE(first.process().running());
    EXPECT_EQ(mainWindowCount(), 1);
}

// Two starts in the same moment: the first one's window does not exist yet when the second
// looks for it. Exactly one of them runs the program, every time.
TEST(SingleInstance, TwoStartsAtOnceRunOneProgram) {
    DeleteFileA(PastewiseApp::settingsFile().c_str());
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const Process a = Process::start(quoted(programPath()));
        const Process b = Process::start(quoted(programPath()));
        struct EndOnScopeExit {
            const Process& a;
            const Process& b;
            ~EndOnScopeExit() {
                a.terminate();
                b.terminate();
            }
        } guard{a, b};

        // One of the two hands over and ends with 0; the other keeps running with its window.
        const Process* handedOver = pollFor(
            [&]() -> const Process* {
                if (!a.running())
                    return &a;
                return b.running() ? nullptr : &b;
            },
            kStartTimeout);
        ASSERT_NE(handedOver, nullptr) << "both starts are still running";
        EXPECT_EQ(handedOver->waitForExit(milliseconds{0}), std::optional<DWORD>(0));
        const Process& runs = handedOver == &a ? b : a;
        const HWND main =
            pollFor([&] { return findTopLevel(runs.id(), pw::kMainWindowClass); }, kStartTimeout);
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(runs.running());
        EXPECT_EQ(mainWindowCount(), 1);

        const HWND exitButton =
            pollFor([&] { return GetDlgItem(main, IDC_BUTTON_EXIT); }, kStartTimeout);
        ASSERT_NE(exitButton, nullptr);
        PostMessageA(exitButton, BM_CLICK, 0, 0);
        EXPECT_EQ(runs.waitForExit(kStartTimeout), std::optional<DWORD>(0));
    }
}

} // namespace
} // namespace e2e
