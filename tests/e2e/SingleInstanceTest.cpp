#include <gtest/gtest.h>

#include "Notepad.h"
#include "PastewiseApp.h"
#include "WindowQuery.h"
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

} // namespace
} // namespace e2e
