#include "snippets/ListCommands.h"

#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

class ListCommandsTest : public test::MainWindowTest {};

TEST_F(ListCommandsTest, RemoveInTheMiddleMovesContentsUpAndKeepsHotkeys) {
    AddTexts(12);
    const std::vector<THotkeyInfo> records = Records();
    const std::vector<std::string> hotkeys = HotkeyCells();
    Select(2);
    const int marks = frm.ChangeMarks();
    frm.bRemove.Click();

    EXPECT_EQ(Contents(), Texts(12, 3));
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(Numbers()[i], std::to_string(i + 1));
    EXPECT_EQ(HotkeyCells(), std::vector<std::string>(hotkeys.begin(), hotkeys.end() - 1));
    EXPECT_TRUE(desktop.unregisterCalls.empty());
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(frm.Table().Selected(), 2);
    EXPECT_EQ(frm.ChangeMarks(), marks + 1);

    // Row 3's hotkey now pastes what moved up into row 3.
    frm.HotkeyPressed(1002);
    EXPECT_EQ(desktop.clipboard, Text(4));
}

TEST_F(ListCommandsTest, RemoveTheOnlyRowReleasesItsHotkey) {
    Add("only");
    Select(0);
    frm.aRemove.Execute();
    EXPECT_EQ(frm.ListView1.RowCount(), 0);
    EXPECT_EQ(desktop.unregisterCalls, std::vector<int>{1000});
    EXPECT_TRUE(desktop.registered.empty());
    EXPECT_TRUE(Records().empty());
    EXPECT_EQ(frm.Table().Selected(), -1);
    EXPECT_EQ(frm.ChangeMarks(), 2);
}

TEST_F(ListCommandsTest, RemoveTheBottomRowSelectsTheTopOneAndDropsItsRecordAnyway) {
    for (bool refuse : {false, true}) {
        SCOPED_TRACE(refuse);
        test::FakeDesktop d;
        d.refuseUnregister = refuse;
        test::MainForm f{d};
        for (const char* text : {"a", "b", "c"})
            AddSnippet(f.List(), text);
        f.ListView1.Select(2);
        f.Idle();
        f.miPopupRemove.Click();

        EXPECT_EQ(f.ListView1.RowCount(), 2);
        EXPECT_EQ(f.ListView1.Cell(1, SnippetTable::kContentColumn), "b");
        EXPECT_EQ(d.unregisterCalls, std::vector<int>{1002});
        EXPECT_EQ(f.Hotkeys().Records().Count(), 2u);
        EXPECT_EQ(f.Hotkeys().Records().FindById(1002), nullptr);
        EXPECT_EQ(f.Table().Selected(), 0);

        f.HotkeyPressed(1002);
        EXPECT_TRUE(d.offers.empty());
        EXPECT_TRUE(d.sentKeys.empty());
    }
}

TEST_F(ListCommandsTest, UpAndDownSwapContentsOnlyAndHotkeysFollowPositions) {
    AddTexts(3);
    const std::vector<THotkeyInfo> records = Records();
    const std::size_t registrations = desktop.registerCalls.size();

    Select(1);
    frm.bUp.Click();
    EXPECT_EQ(Contents(), (std::vector<std::string>{"t2", "t1", "t3"}));
    EXPECT_EQ(frm.Table().Selected(), 0);
    EXPECT_EQ(Pasted(1000), "t2");

    Select(1);
    frm.miPopupDown.Click();
    EXPECT_EQ(Contents(), (std::vector<std::string>{"t2", "t3", "t1"}));
    EXPECT_EQ(frm.Table().Selected(), 2);
    EXPECT_EQ(Pasted(1002), "t1");

    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(HotkeyCells(), (std::vector<std::string>{"Ctrl 1", "Ctrl 2", "Ctrl 3"}));
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(desktop.registerCalls.size(), registrations);
    EXPECT_TRUE(desktop.unregisterCalls.empty());
    EXPECT_EQ(frm.ChangeMarks(), 3 + 2);
}

TEST_F(ListCommandsTest, IdleGreysEachCommandsButtonAndMenuItemTogether) {
    struct Case {
        int rows;
        int selected;
        bool edit, up, down, remove;
    };
    const Case cases[] = {
        {0, -1, false, false, false, false}, {3, -1, false, false, false, false},
        {3, 0, true, false, true, true},     {3, 1, true, true, true, true},
        {3, 2, true, true, false, true},     {1, 0, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, selected " << c.selected);
        frm.ListView1.Clear();
        for (int i = 0; i < c.rows; ++i)
            frm.ListView1.AppendRow({"", Text(i), ""});
        Select(c.selected);
        const struct {
            const ui::Action& action;
            const ui::Button& button;
            const ui::MenuItem& item;
            bool enabled;
        } commands[] = {
            {frm.aEdit, frm.bEdit, frm.miPopupEdit, c.edit},
            {frm.aMoveUp, frm.bUp, frm.miPopupUp, c.up},
            {frm.aMoveDown, frm.bDown, frm.miPopupDown, c.down},
            {frm.aRemove, frm.bRemove, frm.miPopupRemove, c.remove},
        };
        for (const auto& command : commands) {
            SCOPED_TRACE(command.action.Name());
            EXPECT_EQ(command.action.Enabled(), command.enabled);
            EXPECT_EQ(command.button.Enabled(), command.enabled);
            EXPECT_EQ(command.item.Enabled(), command.enabled);
        }
    }
}

TEST_F(ListCommandsTest, UnavailableCommandsDoNothingEvenBeforeTheNextIdle) {
    int edits = 0;
    frm.aEdit.OnExecute = [&] { ++edits; };
    AddTexts(2);
    Select(0);
    const int marks = frm.ChangeMarks();
    frm.bUp.Click();
    frm.miPopupUp.Click();
    frm.aMoveUp.Execute();

    // The buttons still look as the last idle left them; the commands check afresh.
    Select(1);
    frm.ListView1.Select(-1);
    ASSERT_TRUE(frm.bEdit.Enabled() && frm.bUp.Enabled() && frm.bRemove.Enabled());
    frm.bEdit.Click();
    frm.bUp.Click();
    frm.bRemove.Click();
    Select(0);
    frm.ListView1.Select(1);
    ASSERT_TRUE(frm.bDown.Enabled());
    frm.bDown.Click();
    // Straight calls keep to the same rules.
    MoveDown(frm.List());
    frm.ListView1.Select(-1);
    MoveUp(frm.List());
    RemoveSelected(frm.List());

    EXPECT_EQ(Contents(), Texts(2));
    EXPECT_EQ(frm.ChangeMarks(), marks);
    EXPECT_TRUE(desktop.unregisterCalls.empty());
    EXPECT_EQ(edits, 0);
}

TEST_F(ListCommandsTest, DoubleClickEditsOnlyWithASelection) {
    int edits = 0;
    frm.aEdit.OnExecute = [&] { ++edits; };
    AddTexts(2);
    Select(-1);
    frm.ListView1.OnDblClick();
    EXPECT_EQ(edits, 0);
    Select(1);
    frm.ListView1.OnDblClick();
    EXPECT_EQ(edits, 1);
}

} // namespace
} // namespace pw
