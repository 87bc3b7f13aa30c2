#include "app/MainIds.h"
#include "app/TfrmMain.h"
#include "about/WebAddresses.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

using Calls = std::vector<std::string>;
using Tray = std::vector<test::FakeDesktop::TrayCall>;
using Sc = ui::SystemCommand;

const std::string kTip = "Left Click to activate Orvane Pastewise\r\nRight Click to popup menu";
const std::string kShownTip = "Left Click to activate Orvane Pastewise\r\nRight Click to popup m";
const Tray kAdd{{TrayChange::Add, kShownTip}};
const Tray kDelete{{TrayChange::Delete, kShownTip}};

TEST(TrayTipTest, KeepsAtMostTheFirst63Characters) {
    const std::string x63(63, 'x');
    for (const auto& [text, tip] :
         {std::pair{std::string(), std::string()}, {x63, x63}, {x63 + "y", x63}, {kTip, kShownTip}})
        EXPECT_EQ(TrayTip(text), tip);
}

// The system's own handling of a system command shows among the window's calls as "Default".
class TrayTest : public ::testing::Test {
protected:
    TrayTest() {
        desktop.strings[IDS_TRAY_TIP] = kTip;
        site.closeHandler = [this] { return frm.FormClose(); };
        frm.AttachSite(&site);
        frm.FormCreate();
    }
    void Command(Sc command, std::intptr_t lParam = 0) {
        site.calls.clear();
        desktop.trayCalls.clear();
        frm.SystemCommand(command, lParam, [this] { site.calls.emplace_back("Default"); });
    }
    void Mouse(TrayClick click, bool minimized) {
        site.minimized = minimized;
        site.calls.clear();
        desktop.trayCalls.clear();
        frm.TrayIconMessage(click);
    }
    void ExitRefused() { // an unsaved list, and Cancel at the question
        desktop.answers.push_back(MessageAnswer::Cancel);
        frm.SetDocument(test::DocumentOf("[Untitled]", "Untitled"));
        AddSnippet(frm.List(), "unsaved");
        frm.bExitClick();
    }

    test::FakeDesktop desktop;
    test::FakeFormSite site;
    TfrmMain frm{desktop};
};

TEST_F(TrayTest, MinimizeHidesAfterTheFirstCloseOnlyAndTheShellGetsTheIconBackWhileHidden) {
    EXPECT_EQ(desktop.trayCalls, kAdd); // at start-up, beside the shown window
    Command(Sc::Minimize);
    EXPECT_EQ(site.calls, Calls{"Default"});

    desktop.notificationArea = ScreenRect{900, 740, 120, 28};
    site.RequestClose();
    // Off the taskbar only while the system minimizes, so that the window
    // does not shrink into a button; hidden, it keeps its button for later.
    Command(Sc::Minimize);
    EXPECT_EQ(site.calls, (Calls{"SetTaskbarButtonHidden 1", "SetMinimizedPosition 900 740",
                                 "Default", "SetTaskbarButtonHidden 0", "HideWindow"}));
    EXPECT_FALSE(site.taskbarButtonHidden);
    EXPECT_EQ(desktop.trayCalls, kAdd);
    desktop.notificationArea.reset(); // and lParam 1 hides without the icon
    Command(Sc::Minimize, 1);
    EXPECT_EQ(site.calls, (Calls{"SetTaskbarButtonHidden 1", "Default", "SetTaskbarButtonHidden 0",
                                 "HideWindow"}));
    EXPECT_TRUE(desktop.trayCalls.empty());
    Command(Sc::Other); // a close, a move: the system's own
    EXPECT_EQ(site.calls, Calls{"Default"});

    for (bool hidden : {true, false}) {
        if (!hidden)
            Mouse(TrayClick::Left, true);
        desktop.trayCalls.clear();
        frm.TaskbarCreated();
        EXPECT_EQ(desktop.trayCalls, hidden ? kAdd : Tray{});
    }
    desktop.trayCalls.clear();
    ExitRefused();
    ASSERT_FALSE(site.quit);
    EXPECT_TRUE(desktop.trayCalls.empty());
    Command(Sc::Minimize);
    EXPECT_EQ(site.calls, Calls{"Default"});
}

TEST(TrayExitTest, AnExitRefusedWhileHiddenKeepsTheIconSoTheWindowCanStillBeReached) {
    enum class Refusal { CancelAtTheQuestion, SettingsUnwritable };
    for (const Refusal refusal : {Refusal::CancelAtTheQuestion, Refusal::SettingsUnwritable}) {
        SCOPED_TRACE(static_cast<int>(refusal));
        test::RunningProgram program;
        test::FakeDesktop& desktop = program.desktop;
        test::FakeFormSite& site = program.run.site;
        TfrmMain& frm = program.frm;
        desktop.strings[IDS_TRAY_TIP] = kTip;
        AddSnippet(frm.List(), "unsaved");
        if (refusal == Refusal::CancelAtTheQuestion) {
            frm.SetDocument(test::DocumentOf("[Untitled]", "Untitled"));
            desktop.answers.push_back(MessageAnswer::Cancel);
        } else {
            desktop.fault = [](const std::string& operation, const std::string&) {
                return operation == "write" ? IoResult::Failure("The disk is full.")
                                            : IoResult::Success();
            };
        }
        site.RequestClose(); // the close box hides the window
        frm.SystemCommand(Sc::Minimize, 0, [] {});
        ASSERT_TRUE(frm.Tray().ShouldBePresent());
        desktop.trayCalls.clear();
        site.calls.clear();

        frm.miExit.Click();
        EXPECT_FALSE(site.quit);
        EXPECT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(site.calls, Calls{"RequestClose"}); // still hidden
        EXPECT_TRUE(desktop.trayCalls.empty());
        EXPECT_TRUE(frm.Tray().ShouldBePresent());

        // The icon brings the window back; the exit that goes through takes the icon.
        site.minimized = true;
        frm.TrayIconMessage(TrayClick::Left);
        EXPECT_FALSE(frm.Tray().ShouldBePresent());
        desktop.fault = nullptr;
        desktop.answers.push_back(MessageAnswer::No);
        desktop.trayCalls.clear();
        frm.bExitClick();
        EXPECT_TRUE(site.quit);
        EXPECT_EQ(desktop.trayCalls, kDelete);
    }
}

TEST_F(TrayTest, TheIconsMouseButtonsRestoreInFiveStepsOrOpenItsMenu) {
    for (int rows : {0, 2}) {
        for (int i = frm.ListView1.RowCount(); i < rows; ++i)
            AddSnippet(frm.List(), "t" + std::to_string(i));
        frm.ListView1.Select(-1);
        site.taskbarButtonHidden = true;
        Mouse(TrayClick::Left, true);
        EXPECT_EQ(site.calls, (Calls{"ShowWindow", "RestoreIfMinimized", "BringToFront",
                                     "SetTaskbarButtonHidden 0", "BringToFront"}));
        EXPECT_FALSE(site.taskbarButtonHidden);
        EXPECT_EQ(desktop.trayCalls, kDelete);
        EXPECT_EQ(frm.ListView1.Selected(), rows > 0 ? 0 : -1);
    }
    // Shown already: to the front, and the icon stays.
    Mouse(TrayClick::Left, false);
    EXPECT_EQ(site.calls,
              (Calls{"ShowWindow", "BringToFront", "SetTaskbarButtonHidden 0", "BringToFront"}));
    EXPECT_TRUE(desktop.trayCalls.empty());
    // Moves, releases and double clicks over the icon.
    Mouse(TrayClick::Other, true);
    EXPECT_TRUE(site.calls.empty());
    Mouse(TrayClick::Right, true);
    EXPECT_EQ(site.calls, (Calls{"BringToFront", "Popup pmSelf"}));
}

TEST_F(TrayTest, RestoreFromMaximizedGoesBackToTheBoundsKeptAtMaximizeWhichExitWrites) {
    site.bounds = {120, 80, 600, 500};
    Command(Sc::Maximize);
    site.maximized = true;
    site.bounds = {0, 0, 1920, 1040};
    Command(Sc::Maximize); // maximized or minimized already: nothing to keep
    site.minimized = true;
    site.maximized = false;
    Command(Sc::Maximize);
    Command(Sc::Restore); // from minimized the system knows the place
    EXPECT_EQ(site.calls, Calls{"Default"});
    site.minimized = false;
    site.maximized = true;
    Command(Sc::Restore);
    EXPECT_EQ(site.calls, (Calls{"Default", "SetWindowBounds 120 80 600 500"}));

    for (bool maximized : {true, false}) {
        test::FakeDesktop disk;
        test::ProgramRun run(disk);
        run.site.placement = {{0, 0, 1920, 1040}, maximized, {9, 9, 9, 9}};
        run.frm.SystemCommand(Sc::Maximize, 0, [] {}); // from the fake's {100, 50, 529, 516}
        ASSERT_TRUE(run.Exit());
        test::ProgramRun next(disk);
        const ui::Rect normal =
            maximized ? ui::Rect{100, 50, 529, 516} : ui::Rect{0, 0, 1920, 1040};
        EXPECT_EQ(next.site.placement.normal, normal);
        next.site.maximized = true;
        next.frm.SystemCommand(Sc::Restore, 0, [] {});
        EXPECT_EQ(next.site.bounds, normal);
    }
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
    const auto hourglass = [](const char* page) { return std::string("hourglass ") + page; };
    EXPECT_EQ(desktop.webPages,
              (Calls{hourglass(kProductHomePage), hourglass(kProductHomePage),
                     hourglass(kUpdatePage), hourglass(kUpdatePage), hourglass(kDonationPage)}));
    site.calls.clear();
    frm.lMenu.OnClick();
    frm.wsiMenu.OnClick();
    EXPECT_EQ(site.calls, (Calls{"Popup suiPopupMenu1", "Popup suiPopupMenu1"}));
    desktop.trayCalls.clear();
    frm.miExit.Click();
    EXPECT_TRUE(site.quit);
    EXPECT_EQ(desktop.trayCalls, kDelete);
}

} // namespace
} // namespace pw
