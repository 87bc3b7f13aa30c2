#include "snippets/SnippetList.h"

#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

class AddSnippetTest : public test::MainWindowTest {};

TEST_F(AddSnippetTest, EachTextBecomesTheSelectedBottomRowAndTheFirstTenGetHotkeys) {
    for (int i = 1; i <= 12; ++i) {
        Add(Text(i));
        EXPECT_EQ(frm.Table().Selected(), i - 1);
        EXPECT_EQ(frm.ChangeMarks(), i);
    }
    const std::vector<std::string> hotkeys{"Ctrl 1", "Ctrl 2", "Ctrl 3", "Ctrl 4",
                                           "Ctrl 5", "Ctrl 6", "Ctrl 7", "Ctrl 8",
                                           "Ctrl 9", "Ctrl 0", "",       ""};
    EXPECT_EQ(HotkeyCells(), hotkeys);
    EXPECT_EQ(Contents(), Texts(12));
    ASSERT_EQ(desktop.registerCalls.size(), 10u);
    ASSERT_EQ(Records().size(), 10u);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Numbers()[i], std::to_string(i + 1));
        EXPECT_EQ(desktop.registerCalls[i].id, 1000 + i);
        EXPECT_EQ(desktop.registerCalls[i].modifiers, kModControl);
        EXPECT_EQ(desktop.registerCalls[i].vk, static_cast<unsigned>('0' + (i + 1) % 10));
        EXPECT_EQ(Records()[i], (THotkeyInfo{i + 1, 1000 + i, hotkeys[i]}));
    }
    EXPECT_EQ(Numbers()[11], "12");
    EXPECT_EQ(frm.Hotkeys().NextId(), 1010);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AddSnippetTest, TextsEqualInUpperCaseAreRefusedSilently) {
    Add("abc");
    Add("x\xC3\xA9y");
    Select(0);
    const int marks = frm.ChangeMarks();
    for (const char* text : {"abc", "ABC", "aBc", "X\xC3\xA9Y", "X\xC3\x89Y"}) {
        SCOPED_TRACE(text);
        Add(text);
        EXPECT_EQ(Contents(), (std::vector<std::string>{"abc", "x\xC3\xA9y"}));
        EXPECT_EQ(frm.Table().Selected(), 0);
        EXPECT_EQ(frm.ChangeMarks(), marks);
    }
    EXPECT_EQ(desktop.registerCalls.size(), 2u);
    EXPECT_TRUE(desktop.messages.empty());

    // A leading blank or another accent makes a new text.
    Add(" abc");
    Add("x\xC3\xA8y");
    EXPECT_EQ(Contents(), (std::vector<std::string>{"abc", "x\xC3\xA9y", " abc", "x\xC3\xA8y"}));
}

TEST_F(AddSnippetTest, EmptyTextIsComparedLikeAnyOtherButTheAddButtonSkipsIt) {
    frm.bAdd.Click();
    EXPECT_EQ(frm.ListView1.RowCount(), 0);
    EXPECT_EQ(frm.ChangeMarks(), 0);

    Add("");
    Add("");
    EXPECT_EQ(Contents(), std::vector<std::string>{""});
    EXPECT_EQ(HotkeyCells(), std::vector<std::string>{"Ctrl 1"});

    // The button hands the text on untrimmed and leaves it in the entry box.
    frm.eClipString.SetText("  padded\t");
    frm.bAdd.Click();
    frm.bAdd.Click();
    EXPECT_EQ(Contents(), (std::vector<std::string>{"", "  padded\t"}));
    EXPECT_EQ(frm.eClipString.Text(), "  padded\t");
}

TEST_F(AddSnippetTest, RefusedHotkeyKeepsTheRowAndUsesUpNoId) {
    desktop.heldElsewhere.insert({kModControl, '3'});
    AddTexts(3);
    EXPECT_EQ(Contents(), Texts(3));
    EXPECT_EQ(HotkeyCells(), (std::vector<std::string>{"Ctrl 1", "Ctrl 2", ""}));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text,
              "Hotkey setting failed, please try changing to another key!");
    EXPECT_EQ(desktop.messages[0].caption, "Orvane Pastewise");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(frm.Table().Selected(), 1);
    EXPECT_EQ(frm.ChangeMarks(), 3);
    EXPECT_EQ(desktop.registerCalls.back().id, 1002);
    EXPECT_EQ(frm.Hotkeys().NextId(), 1002);

    Add(Text(4));
    EXPECT_EQ(HotkeyCells().back(), "Ctrl 4");
    EXPECT_EQ(Records().back(), (THotkeyInfo{4, 1002, "Ctrl 4"}));
    EXPECT_EQ(frm.Table().Selected(), 3);
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(AddSnippetTest, RowsFreedByRemoveAreNumberedAndKeyedByPosition) {
    AddTexts(12);
    Select(4);
    frm.bRemove.Click();
    Add("new");
    EXPECT_EQ(Numbers().back(), "12");
    EXPECT_EQ(HotkeyCells().back(), "");
    EXPECT_EQ(desktop.registerCalls.size(), 10u);
}

TEST_F(AddSnippetTest, TenthRowGetsCtrl0AgainUnderANewId) {
    AddTexts(10);
    Select(9);
    frm.bRemove.Click();
    EXPECT_EQ(desktop.unregisterCalls, std::vector<int>{1009});
    Add("new");
    EXPECT_EQ(Numbers().back(), "10");
    EXPECT_EQ(HotkeyCells().back(), "Ctrl 0");
    EXPECT_EQ(desktop.registerCalls.back().id, 1010);
    EXPECT_EQ(desktop.registerCalls.back().vk, 0x30u);
    EXPECT_EQ(Records().back(), (THotkeyInfo{10, 1010, "Ctrl 0"}));
    EXPECT_EQ(Records().size(), 10u);
}

TEST_F(AddSnippetTest, LineBreaksAndTabsAreStoredAndPastedWhole) {
    const std::string text = "first line\r\nsecond\tline\n";
    Add(text);
    EXPECT_EQ(Contents(), std::vector<std::string>{text});
    frm.HotkeyPressed(1000);
    EXPECT_EQ(desktop.clipboard, text);
}

TEST_F(AddSnippetTest, DuplicateTestSeesMovedRemovedAndDirectlyChangedRows) {
    for (const char* text : {"a", "b", "c"})
        Add(text);
    Select(1);
    frm.aMoveUp.Execute();
    Add("A");
    EXPECT_EQ(Contents(), (std::vector<std::string>{"b", "a", "c"}));
    Select(2);
    frm.aRemove.Execute();
    Add("C");
    EXPECT_EQ(Contents(), (std::vector<std::string>{"b", "a", "C"}));

    frm.ListView1.SetCell(0, SnippetTable::kContentColumn, "q");
    Add("Q");
    Add("B");
    EXPECT_EQ(Contents(), (std::vector<std::string>{"q", "a", "C", "B"}));

    // Starting a new list the way New does: release everything, clear the rows.
    frm.Hotkeys().ReleaseAll();
    frm.ListView1.Clear();
    Add("q");
    EXPECT_EQ(Contents(), std::vector<std::string>{"q"});
    EXPECT_EQ(HotkeyCells(), std::vector<std::string>{"Ctrl 1"});
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AddSnippetTest, ReadRowsAreStoredAsTheyAreAndRegisteredByPosition) {
    desktop.heldElsewhere.insert({kModControl | kModShift, 'B'});
    const int marks = frm.ChangeMarks();
    EXPECT_TRUE(AppendReadRow(frm.List(), "07", "abc", "Alt  F4"));
    EXPECT_TRUE(AppendReadRow(frm.List(), "x", "ABC", ""));
    EXPECT_FALSE(AppendReadRow(frm.List(), "3", "c", "Ctrl  Shift  B"));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"07", "x", "3"}));
    EXPECT_EQ(Contents(), (std::vector<std::string>{"abc", "ABC", "c"}));
    EXPECT_EQ(HotkeyCells(), (std::vector<std::string>{"Alt  F4", "", "Ctrl  Shift  B"}));
    ASSERT_EQ(desktop.registerCalls.size(), 2u);
    EXPECT_EQ(desktop.registerCalls[0].modifiers, kModAlt);
    EXPECT_EQ(desktop.registerCalls[0].vk, 0x73u);
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1000, "Alt  F4"}}));
    EXPECT_EQ(frm.Hotkeys().NextId(), 1001);
    // The reader reports a refusal; reading itself marks and selects nothing.
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(frm.ChangeMarks(), marks);
    EXPECT_EQ(frm.Table().Selected(), -1);
}

} // namespace
} // namespace pw
