#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ClipboardViewer.h"
#include "Notepad.h"
#include "PastewiseApp.h"
#include "SharedState.h"
#include "app/MainIds.h"

namespace e2e {
namespace {

// Copies the text from the driver and checks that each viewer got the change.
::testing::AssertionResult copyReaches(const std::string& text,
                                       const std::vector<const ClipboardViewer*>& viewers) {
    std::vector<int> before;
    for (const ClipboardViewer* viewer : viewers) {
        before.push_back(viewer->notifications());
    }
    if (!setClipboardText(text)) {
        return ::testing::AssertionFailure() << "cannot put \"" << text << "\" on the clipboard";
    }
    for (std::size_t i = 0; i < viewers.size(); ++i) {
        if (!viewers[i]->waitForText(text, before[i])) {
            return ::testing::AssertionFailure()
                   << "viewer " << i + 1 << " did not get the copy of \"" << text << "\"; it got "
                   << viewers[i]->notifications() - before[i] << " notifications since";
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(ClipboardViewerChain, ViewerJoinedBeforeKeepsGettingChangesAndIsToldWhenPastewiseLeaves) {
    const ClipboardViewer earlier;
    const HWND endOfChain = earlier.successor();
    PastewiseApp app;
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, true));
    const HWND main = app.mainWindow();

    // Pastewise, first in the chain now, passes each change on to the viewer that joined
    // before it.
    ASSERT_TRUE(copyReaches("seen by both", {&earlier}));
    EXPECT_TRUE(app.waitForEntry("seen by both"));
    ASSERT_TRUE(copyReaches("and again", {&earlier}));
    EXPECT_TRUE(app.waitForEntry("and again"));
    EXPECT_TRUE(earlier.chainChanges().empty());

    ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    // Its successor hears that it left, with itself as the window that follows.
    EXPECT_TRUE(earlier.waitForChainChange({main, earlier.window()}))
        << earlier.chainChanges().size() << " chain changes";
    EXPECT_EQ(earlier.successor(), endOfChain);
    // Gone from the chain, Pastewise cuts nobody off.
    EXPECT_TRUE(copyReaches("after the exit", {&earlier}));
}

TEST(ClipboardViewerChain, ViewerJoinedAfterPassesChangesThroughPastewiseAndFollowsItsLeave) {
    const ClipboardViewer earlier;
    PastewiseApp app;
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, true));
    const HWND main = app.mainWindow();
    const ClipboardViewer later;
    ASSERT_EQ(later.successor(), main);

    // later -> Pastewise -> earlier: each change goes all the way through.
    ASSERT_TRUE(copyReaches("through the middle", {&later, &earlier}));
    EXPECT_TRUE(app.waitForEntry("through the middle"));
    ASSERT_TRUE(copyReaches("once more", {&later, &earlier}));
    EXPECT_TRUE(app.waitForEntry("once more"));

    ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    // The viewer before Pastewise now passes on to the one after it.
    EXPECT_TRUE(later.waitForChainChange({main, earlier.window()}))
        << later.chainChanges().size() << " chain changes";
    EXPECT_EQ(later.successor(), earlier.window());
    EXPECT_TRUE(copyReaches("with Pastewise gone", {&later, &earlier}));
}

TEST(ClipboardViewerChain, ViewersLeavingBehindPastewiseAreBridged) {
    const ClipboardViewer first;
    const HWND endOfChain = first.successor();
    std::optional<ClipboardViewer> second(std::in_place);
    std::optional<ClipboardViewer> third(std::in_place);
    PastewiseApp app;
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, true));
    // Pastewise -> third -> second -> first.
    ASSERT_TRUE(copyReaches("down the whole chain", {&*third, &*second, &first}));
    EXPECT_TRUE(app.waitForEntry("down the whole chain"));

    // A viewer further down leaves: Pastewise, first in the chain, hears of it and sends the
    // news on, so that the viewer before the one leaving can bridge the gap.
    const HWND secondWindow = second->window();
    second.reset();
    EXPECT_TRUE(third->waitForChainChange({secondWindow, first.window()}))
        << third->chainChanges().size() << " chain changes";
    EXPECT_EQ(third->successor(), first.window());
    ASSERT_TRUE(copyReaches("around the gap", {&*third, &first}));
    EXPECT_TRUE(app.waitForEntry("around the gap"));

    // Its own successor leaves: Pastewise passes on to the one after it from then on.
    third.reset();
    ASSERT_TRUE(copyReaches("straight to the first", {&first}));
    EXPECT_TRUE(app.waitForEntry("straight to the first"));
    EXPECT_EQ(first.successor(), endOfChain);
}

TEST(ClipboardViewerChain, OwnPasteIsNotAddedWhenAnotherViewerIsFirstInTheChain) {
    PastewiseApp app;
    Notepad notepad;
    const std::string padded = "  Kind regards, Ann  ";
    ASSERT_TRUE(app.addSnippet(padded));
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, true));
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOADD, true));
    const ClipboardViewer later;
    ASSERT_EQ(later.successor(), app.mainWindow());

    // The paste's clipboard write reaches Pastewise through the other viewer, later than its
    // own write returns. (Notepad is only there to take the Ctrl+V.)
    const int before = later.notifications();
    ASSERT_TRUE(notepad.focus());
    ASSERT_TRUE(app.pressHotkey('1'));
    ASSERT_TRUE(later.waitForText(padded, before));
    EXPECT_TRUE(app.waitForEntry("Kind regards, Ann"));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.list().rows(), (std::vector<ListRow>{{"1", padded, "Ctrl 1"}}));
}

} // namespace
} // namespace e2e
