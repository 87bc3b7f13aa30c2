#include "app/MainIds.h"
#include "app/TfrmMain.h"
#include "app/TrayIcon.h"
#include "app/WindowStates.h"
#include "platform/WebPages.h"
#include "support/FakeDesktop.h"
#include "support/FakeFormSite.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

using Calls = std::vector<std::string>;
using Tray = test::FakeDesktop::TrayCall;

const std::string kTip = "Left Click to activate Orvane Pastewise\r\nRight Click to popup menu";
const std::string kShownTip = "Left Click to activate Orvane Pastewise\r\nRight Click to popup m";

TEST(TrayTipTest, KeepsAtMostTheFirst63Characters) {
    const std::string sixtyThree(63, 'x');
    const struct {
        std::string text, tip;
    } cases[] = {
        {"", ""}, {sixtyThree, sixtyThree}, {sixtyThree + "y", sixtyThree}, {kTip, kShownTip}};
    for (const auto& c : cases)
        EXPECT_EQ(TrayTip(c.text), c.tip) << c.text;
}

// The program on a fake desktop, with the tip in its string table and the
// system's own handling of a system command recorded among the window's calls.
class TrayTest : public ::testing::Test {
protected:
    TrayTest() {
        desktop.strings[IDS_TRAY_TIP] = kTip;
        site.exStyle = 0x100;
        site.closeHandler = [this] { return frm.FormClose(); };
        frm.AttachSite(&site);
        frm.FormCreate();
    }

    void Command(std::uint32_t command, std::intptr_t lParam = 0) {
        site.calls.clear();
        frm.SystemCommand(command, lParam, [this] { site.calls.emplace_back("Default"); });
    }
    // The close box, as the system delivers the minimize that the close posts.
    void CloseBox() {
        site.RequestClose();
        Command(kScMinimize);
    }
    // Exit with a question about an unsaved list, answered Cancel.
    void ExitRefused() {
        desktop.answers.push_back(MessageAnswer::Cancel);
        frm.SetDocument(test::DocumentOf("[Untitled]", "Untitled"));
        AddSnippet(frm.List(), "unsaved");
        frm.bExitClick();
        ASSERT_FALSE(site.quit);
    }

    test::FakeDesktop desktop;
    test::FakeFormSite site;
    TfrmMain frm{desktop};
};

TEST_F(TrayTest, TheIconComesAtStartAndAtEachHideAndGoesWithTheWindowsReturnAndExit) {
    EXPECT_EQ(desktop.trayCalls, (std::vector<Tray>{{TrayChange::Add, kShownTip}}));
    EXPECT_TRUE(frm.Tray().ShouldBePresent());

    // The shell starts again: the icon comes back whenever it should be there.
    const struct {
        const char* step;
        std::function<void()> act;
        bool present;
    } steps[] = {
        {"after start-up", [] {}, true},
        {"hidden", [this] { CloseBox(); }, true},
        {"back from hiding",
         [this] {
             site.minimized = true; // the hide step leaves it so
             frm.TrayIconMessage(kMouseLeftDown);
         },
         false},
        {"hidden again", [this] { Command(kScMinimize); }, true},
        {"exit refused", [this] { ExitRefused(); }, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(frm.Tray().ShouldBePresent(), s.present);
        EXPECT_EQ(desktop.trayCalls.back().change,
                  s.present ? TrayChange::Add : TrayChange::Delete);
        desktop.trayCalls.clear();
        frm.TaskbarCreated();
        const std::vector<Tray> readded{{TrayChange::Add, kShownTip}};
        EXPECT_EQ(desktop.trayCalls, s.present ? readded : std::vector<Tray>{});
    }
    EXPECT_FALSE(site.quit);
}

TEST_F(TrayTest, MinimizeHidesOnlyAfterTheFirstCloseAndNeverAfterExitWasAsked) {
    desktop.notificationArea = ScreenRect{900, 740, 120, 28};
    desktop.trayCalls.clear();

    Command(kScMinimize + 2); // the low bits are the system's own
    EXPECT_EQ(site.calls, Calls{"Default"});
    EXPECT_TRUE(desktop.trayCalls.empty());

    CloseBox();
    EXPECT_EQ(site.calls, (Calls{"SetExtendedStyle 384", "SetMinimizedPosition 900 740", "Default",
                                 "SetExtendedStyle 256", "HideWindow"}));
    EXPECT_EQ(desktop.trayCalls, (std::vector<Tray>{{TrayChange::Add, kShownTip}}));

    // No notification area: the hide goes on without a place to shrink to.
    // lParam 1 hides without the icon.
    desktop.notificationArea.reset();
    desktop.trayCalls.clear();
    Command(kScMinimize, 1);
    EXPECT_EQ(site.calls,
              (Calls{"SetExtendedStyle 384", "Default", "SetExtendedStyle 256", "HideWindow"}));
    EXPECT_TRUE(desktop.trayCalls.empty());

    ExitRefused();
    Command(kScMinimize);
    EXPECT_EQ(site.calls, Calls{"Default"});
}

TEST_F(TrayTest, LeftClickRestoresInFiveStepsAndSelectsTheFirstRow) {
    CloseBox();
    for (int rows : {0, 2}) {
        SCOPED_TRACE(rows);
        for (int i = frm.ListView1.RowCount(); i < rows; ++i)
            AddSnippet(frm.List(), "t" + std::to_string(i));
        frm.ListView1.Select(-1);
        Command(kScMinimize);
        site.minimized = true;
        site.calls.clear();
        desktop.trayCalls.clear();
        frm.TrayIconMessage(kMouseLeftDown);
        EXPECT_EQ(site.calls, (Calls{"ShowWindow", "RestoreIfMinimized", "BringToFront",
                                     "SetExtendedStyle 256", "BringToFront"}));
        EXPECT_EQ(desktop.trayCalls, (std::vector<Tray>{{TrayChange::Delete, kShownTip}}));
        EXPECT_EQ(frm.ListView1.Selected(), rows > 0 ? 0 : -1);
    }

    // Already shown (right after start-up): to the front, the icon stays.
    site.calls.clear();
    desktop.trayCalls.clear();
    frm.miOpen.Click();
    EXPECT_EQ(site.calls,
              (Calls{"ShowWindow", "BringToFront", "SetExtendedStyle 256", "BringToFront"}));
    EXPECT_TRUE(desktop.trayCalls.empty());
}

TEST_F(TrayTest, RightClickOpensTheIconsMenuAndOtherMouseMessagesDoNothing) {
    for (unsigned message : {0x200u, 0x202u, 0x203u, 0x205u, 0x206u, 0x207u}) {
        site.calls.clear();
        frm.TrayIconMessage(message);
        EXPECT_TRUE(site.calls.empty()) << message;
    }
    frm.TrayIconMessage(kMouseRightDown);
    EXPECT_EQ(site.calls, (Calls{"BringToFront", "Popup pmSelf"}));
}

TEST_F(TrayTest, MaximizeKeepsTheBoundsThatRestoreGoesBackToAndExitWrites) {
    site.bounds = {120, 80, 600, 500};
    Command(kScMaximize);
    EXPECT_EQ(site.calls, Calls{"Default"});
    site.maximized = true;
    site.bounds = {0, 0, 1920, 1040};
    // Maximize again from the taskbar while maximized or minimized: nothing
    // new to keep.
    Command(kScMaximize);
    site.minimized = true;
    Command(kScMaximize);
    site.minimized = false;

    Command(kScRestore + 2);
    EXPECT_EQ(site.calls, (Calls{"Default", "SetWindowBounds 120 80 600 500"}));
    // From minimized the system knows the place: nothing is moved.
    site.maximized = false;
    site.minimized = true;
    Command(kScRestore);
    EXPECT_EQ(site.calls, Calls{"Default"});

    // Written at exit, whatever the system's rectangle says.
    site.placement = {{0, 0, 1920, 1040}, true, {0, 0, 1920, 1040}};
    frm.bExitClick();
    ASSERT_TRUE(site.quit);
    test::ProgramRun next(desktop);
    EXPECT_EQ(next.site.placement,
              ui::WindowPlacement({{0, 0, 1920, 1040}, true, {120, 80, 600, 500}}));
    EXPECT_EQ(next.frm.States().RestoredBounds(), (ui::Rect{120, 80, 600, 500}));
    // A start in the maximized state restores to the stored bounds.
    next.site.maximized = true;
    next.site.calls.clear();
    next.frm.SystemCommand(kScRestore, 0, [] {});
    EXPECT_EQ(next.site.calls, Calls{"SetWindowBounds 120 80 600 500"});
}

TEST_F(TrayTest, ANormalWindowAtExitStoresWhereItStandsAsItsRestoredBounds) {
    Command(kScMaximize); // kept, but the window is back to normal at exit
    site.placement = {{250, 120, 529, 516}, false, {9, 9, 9, 9}};
    frm.bExitClick();
    ASSERT_TRUE(site.quit);
    test::ProgramRun next(desktop);
    EXPECT_EQ(next.site.placement,
              ui::WindowPlacement({{250, 120, 529, 516}, false, {250, 120, 529, 516}}));
}

TEST_F(TrayTest, MenusHoldTheirItemsInOrderAndOpenTheirPages) {
    const auto captions = [](const ui::PopupMenu& menu) {
        Calls texts;
        for (const ui::MenuItem* item : menu.Items())
            texts.push_back(item->IsSeparator() ? "-" : item->Text());
        return texts;
    };
    EXPECT_EQ(captions(frm.pmSelf),
              (Calls{"&Open", "-", "&Hompage", "&Check for Update", "-", "&Exit"}));
    EXPECT_EQ(
        captions(frm.suiPopupMenu1),
        (Calls{"&Home Page", "-", "&Options...", "-", "&New Configuration",
               "&Load Configuration...", "&Save Configuration\tCtrl+S", "Sa&ve Configuration As...",
               "-", "&Donate", "-", "Check for Update", "-", "&About..."}));

    for (ui::MenuItem* item :
         {&frm.miHomePage, &frm.miHomepage, &frm.miUpdate, &frm.miCheckforUpdate, &frm.miDonate})
        item->Click();
    EXPECT_EQ(desktop.openedPages,
              (Calls{kProductHomePage, kProductHomePage, kUpdatePage, kUpdatePage, kDonationPage}));

    site.calls.clear();
    frm.lMenu.OnClick();
    frm.wsiMenu.OnClick();
    EXPECT_EQ(site.calls, (Calls{"Popup suiPopupMenu1", "Popup suiPopupMenu1"}));

    // "&Exit" of the icon's menu is the Exit button.
    desktop.trayCalls.clear();
    frm.miExit.Click();
    EXPECT_TRUE(site.quit);
    EXPECT_EQ(desktop.trayCalls, (std::vector<Tray>{{TrayChange::Delete, kShownTip}}));
}

} // namespace
} // namespace pw
