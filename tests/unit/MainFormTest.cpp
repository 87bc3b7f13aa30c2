#include "app/TfrmMain.h"

#include "support/FakeFormSite.h"
#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

class MainFormTest : public test::MainWindowTest {
protected:
    MainFormTest() {
        site.closeHandler = [this] { return frm.FormClose(); };
        frm.AttachSite(&site);
    }
    test::FakeFormSite site;
};

using Calls = std::vector<std::string>;

TEST_F(MainFormTest, CreateSetsTheBaseTitleAndTheInitialCloseMode) {
    frm.FormCreate();
    EXPECT_EQ(frm.Caption(), "Orvane Pastewise 2.2");
    EXPECT_EQ(static_cast<int>(frm.GetCloseMode()), -1);
}

TEST_F(MainFormTest, ClosingBeforeExitMinimizesInsteadOfEnding) {
    frm.FormCreate();
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(frm.FormClose());
        EXPECT_EQ(static_cast<int>(frm.GetCloseMode()), 1);
    }
    EXPECT_EQ(site.calls, (Calls{"PostMinimize", "PostMinimize"}));
    EXPECT_FALSE(site.quit);
}

TEST_F(MainFormTest, ExitClosesAndQuitsAfterTheWindowWasHidden) {
    frm.FormCreate();
    frm.FormClose();
    site.calls.clear();
    frm.bExit.Click();
    EXPECT_EQ(static_cast<int>(frm.GetCloseMode()), 2);
    EXPECT_EQ(site.calls, (Calls{"RequestClose", "Quit"}));
    EXPECT_EQ(site.closeResults, std::vector<bool>{true});
    // Once exit was asked for, a close never hides the window again.
    EXPECT_TRUE(frm.FormClose());
    EXPECT_EQ(frm.GetCloseMode(), CloseMode::Exit);
}

TEST_F(MainFormTest, ShowFocusesTheEntryBoxAndTicksTheBoxesFromTheSettings) {
    for (bool on : {true, false}) {
        SCOPED_TRACE(on);
        site.focused = nullptr;
        frm.CurrentSettings() = {on, !on, on};
        frm.FormShow();
        EXPECT_EQ(frm.cbAutoCopy.Checked(), on);
        EXPECT_EQ(frm.cbAutoAdd.Checked(), !on);
        EXPECT_EQ(frm.cbAlwaysOnTop.Checked(), on);
        EXPECT_EQ(site.topmost, on);
        EXPECT_EQ(site.focused, &frm.eClipString);
        EXPECT_EQ(frm.CurrentSettings().autoCopy, on);
        EXPECT_EQ(frm.CurrentSettings().autoAdd, !on);
    }
}

TEST_F(MainFormTest, ActivateRequestShowsRestoresAndRaisesInThatOrder) {
    frm.ActivateRequest();
    EXPECT_EQ(site.calls, (Calls{"ShowWindow", "RestoreIfMinimized", "BringToFront"}));
}

TEST_F(MainFormTest, HotkeyMessagePastesAndDestroyReleasesEverything) {
    frm.FormCreate();
    AddTexts(2);
    frm.HotkeyPressed(1001);
    EXPECT_EQ(desktop.clipboard, "t2");
    EXPECT_EQ(desktop.sentKeys.size(), 1u);

    frm.FormDestroy();
    EXPECT_TRUE(desktop.registered.empty());
    frm.HotkeyPressed(1001);
    EXPECT_EQ(desktop.sentKeys.size(), 1u);
}

} // namespace
} // namespace pw
