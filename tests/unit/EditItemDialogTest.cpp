#include "hotkeys/TfrmSetHotkey.h"

#include "support/FakeFormSite.h"
#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace pw {
namespace {

using Strings = std::vector<std::string>;
using ui::ModalResult;

constexpr const char* kOverlaps = "This hotkey overlaps with other pre-set hotkeys in the list.";
constexpr const char* kFailed = "Hotkey setting failed, please try changing to another key!";
constexpr const char* kNotAsSet = "Please check if the hotkey is the same as originally set.";
constexpr const char* kUnregistered = "Unregistere hotkey successfully.";

class EditItemDialogTest : public test::MainWindowTest {
protected:
    using User = std::function<void(TfrmSetHotkey&)>;

    EditItemDialogTest() { frm.AttachSite(&site); }

    // The Edit command on a row, with the user's part in the dialog played by
    // `user`; `result` is how the dialog stood when the user was done with it.
    void Edit(int row, const User& user) {
        Select(row);
        site.modalScript = [this, user](ui::Form& form) {
            auto& dialog = dynamic_cast<TfrmSetHotkey&>(form);
            user(dialog);
            result = dialog.GetModalResult();
        };
        frm.aEdit.Execute();
    }

    // Forgets the calls made while the list was built.
    void StartWatching() {
        desktop.registerCalls.clear();
        desktop.unregisterCalls.clear();
        desktop.messages.clear();
        marks = frm.ChangeMarks();
    }

    void ExpectOnlyMessage(const char* text, MessageIcon icon) {
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].text, text);
        EXPECT_EQ(desktop.messages[0].caption, "Orvane Pastewise");
        EXPECT_EQ(desktop.messages[0].icon, icon);
        EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::Ok);
    }

    static Strings DefaultCells(int n) {
        Strings cells;
        for (int i = 1; i <= n; ++i)
            cells.push_back(i <= 10 ? "Ctrl " + std::to_string(i % 10) : "");
        return cells;
    }

    test::FakeFormSite site;
    ModalResult result = ModalResult::None;
    int marks = 0;
};

TEST_F(EditItemDialogTest, OpensOnTheSelectedRowAndOffersUnregisterOnlyWithAHotkey) {
    AddTexts(11);
    StartWatching();
    for (int row : {1, 10}) {
        SCOPED_TRACE(row);
        Edit(row, [&](TfrmSetHotkey& d) {
            EXPECT_EQ(d.eClipStr.Text(), Text(row + 1));
            EXPECT_EQ(d.eHotkey.Text(), DefaultCells(11)[row]);
            EXPECT_EQ(d.InitialHotkey, d.eHotkey.Text());
            EXPECT_EQ(d.EditedRow, row);
            EXPECT_EQ(d.bUnregisterHotkey.Enabled(), row < 10);
            d.eClipStr.SetText("not kept");
            d.bCancel.Click();
        });
        EXPECT_EQ(result, ModalResult::Cancel);
    }
    EXPECT_EQ(Contents(), Texts(11));
    EXPECT_EQ(frm.ChangeMarks(), marks);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(EditItemDialogTest, UnchangedHotkeyWritesOnlyTheContentWithoutAskingTheSystem) {
    AddTexts(11);
    const std::vector<THotkeyInfo> records = Records();
    const struct {
        int row;
        std::uint16_t press; // 0: no key pressed
        std::string content;
    } cases[] = {
        {1, 0, ""},
        {2, 0, Text(1)}, // the same text as another row is allowed
        {10, 91, "x"},   // a rejected key leaves the empty field of a row without hotkey
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        StartWatching();
        Edit(c.row, [&](TfrmSetHotkey& d) {
            if (c.press != 0)
                d.eHotkey.KeyDown(c.press, false, false, false);
            d.eClipStr.SetText(c.content);
            d.bOK.Click();
        });
        EXPECT_EQ(result, ModalResult::Ok);
        EXPECT_EQ(Contents()[static_cast<std::size_t>(c.row)], c.content);
        EXPECT_EQ(frm.ChangeMarks(), marks + 1);
        EXPECT_TRUE(desktop.registerCalls.empty());
        EXPECT_TRUE(desktop.unregisterCalls.empty());
        EXPECT_TRUE(desktop.messages.empty());
    }
    EXPECT_EQ(HotkeyCells(), DefaultCells(11));
    EXPECT_EQ(Records(), records);
}

TEST_F(EditItemDialogTest, OverlapWithAnyRowsHotkeyCellChangesNothing) {
    AddTexts(11);
    Edit(4, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(65, true, true, false);
        d.bOK.Click();
    });
    ASSERT_EQ(HotkeyCells()[4], "Ctrl  Shift  A");
    const std::vector<THotkeyInfo> records = Records();
    const Strings cells = HotkeyCells();
    const Strings contents = Contents();
    const struct {
        std::uint16_t vk;
        bool ctrl, shift;
    } presses[] = {
        {65, true, true},  // row 5's hotkey
        {91, true, false}, // rejected: the empty text overlaps row 11, which has none
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.vk);
        StartWatching();
        Edit(1, [&](TfrmSetHotkey& d) {
            d.eHotkey.KeyDown(p.vk, p.ctrl, p.shift, false);
            d.eClipStr.SetText("not kept");
            d.bOK.Click();
        });
        EXPECT_EQ(result, ModalResult::None);
        ExpectOnlyMessage(kOverlaps, MessageIcon::Information);
        EXPECT_TRUE(desktop.registerCalls.empty());
        EXPECT_TRUE(desktop.unregisterCalls.empty());
        EXPECT_EQ(Records(), records);
        EXPECT_EQ(HotkeyCells(), cells);
        EXPECT_EQ(Contents(), contents);
        EXPECT_EQ(frm.ChangeMarks(), marks);
    }
}

TEST_F(EditItemDialogTest, AnEmptyFieldIsNeverRegisteredAsAHiddenHotkey) {
    AddTexts(3); // every row has a hotkey, so the empty text overlaps nothing
    const std::vector<THotkeyInfo> records = Records();
    StartWatching();
    Edit(1, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(186, false, false, false); // ';' on the main keyboard: rejected
        ASSERT_EQ(d.eHotkey.Text(), "");
        d.eClipStr.SetText("not kept");
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::None);
    ExpectOnlyMessage(kFailed, MessageIcon::Error);
    EXPECT_TRUE(desktop.registerCalls.empty());
    EXPECT_TRUE(desktop.unregisterCalls.empty());
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(HotkeyCells(), DefaultCells(3));
    EXPECT_EQ(Contents()[1], "t2");
}

TEST_F(EditItemDialogTest, OkReleasesTheOldHotkeyAndRegistersWhatWasCaptured) {
    AddTexts(11);
    const OptionsHotkeys defaults = frm.CurrentSettings().optionsHotkeys;
    const struct {
        int row;
        std::uint16_t vk;
        bool ctrl, alt;
        std::string text;
        std::uint32_t modifiers;
        std::int32_t released; // 0: nothing to release
    } cases[] = {
        // Registered from the captured key: the text would parse to the main-row 5.
        {3, 101, true, false, "Ctrl  Num 5", 2, HotkeyRegistry::kFirstId + 3},
        // Would parse to no key at all.
        {10, 124, false, true, "Alt  F13", 1, 0},
    };
    OptionsHotkeys expectedOptions = defaults;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        StartWatching();
        const std::int32_t id = frm.Hotkeys().NextId();
        const std::size_t recordCount = Records().size();
        Edit(c.row, [&](TfrmSetHotkey& d) {
            d.eHotkey.KeyDown(c.vk, c.ctrl, false, c.alt);
            d.eClipStr.SetText("edited " + c.text);
            d.bOK.Click();
        });
        EXPECT_EQ(result, ModalResult::Ok);
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(desktop.unregisterCalls,
                  c.released ? std::vector<int>{c.released} : std::vector<int>{});
        EXPECT_EQ(RegisterCalls(), (Registrations{{id, c.modifiers, c.vk}}));
        EXPECT_EQ(Records().size(), recordCount + (c.released ? 0 : 1));
        if (c.released) {
            EXPECT_EQ(frm.Hotkeys().Records().FindById(c.released), nullptr);
        }
        EXPECT_EQ(Records().back(), (THotkeyInfo{c.row + 1, id, c.text}));
        EXPECT_EQ(frm.Hotkeys().NextId(), id + 1);
        EXPECT_EQ(HotkeyCells()[static_cast<std::size_t>(c.row)], c.text);
        if (c.row < 10)
            expectedOptions[static_cast<std::size_t>(c.row)] = c.text;
        EXPECT_EQ(frm.CurrentSettings().optionsHotkeys, expectedOptions);
        EXPECT_EQ(frm.ChangeMarks(), marks + 1);
        EXPECT_EQ(Pasted(id), "edited " + c.text);
    }
    EXPECT_NE(expectedOptions, defaults);
}

TEST_F(EditItemDialogTest, KeysTheSystemRefusesKeepTheRowsOldHotkeyWorking) {
    AddTexts(2);
    StartWatching();
    // "Ctrl  1" is not row 1's text "Ctrl 1", but the same keys.
    Edit(1, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(49, true, false, false);
        d.eClipStr.SetText("not kept");
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::None);
    ExpectOnlyMessage(kFailed, MessageIcon::Error);
    EXPECT_EQ(desktop.unregisterCalls, std::vector<int>{1001});
    EXPECT_EQ(RegisterCalls(), (Registrations{{1002, 2, 49}, {1002, 2, 0x32}}));
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1000, "Ctrl 1"}, {2, 1002, "Ctrl 2"}}));
    EXPECT_EQ(HotkeyCells(), DefaultCells(2));
    EXPECT_EQ(Contents(), Texts(2));
    EXPECT_EQ(frm.ChangeMarks(), marks);
    EXPECT_EQ(Pasted(1002), Text(2));

    // The record taken back is the one the next edit releases.
    StartWatching();
    Edit(1, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(120, false, false, false);
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(desktop.unregisterCalls, std::vector<int>{1002});
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1000, "Ctrl 1"}, {2, 1003, "F9"}}));
}

TEST_F(EditItemDialogTest, ARefusedKeyGivesBackTheOldHotkeyWithItsOwnKeys) {
    constexpr std::uint16_t kVkNumpad5 = 0x65;
    constexpr std::uint16_t kVkF6 = 0x75;
    AddTexts(1);
    Edit(0, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(kVkNumpad5, true, false, false);
        d.bOK.Click();
    });
    ASSERT_EQ(HotkeyCells(), Strings{"Ctrl  Num 5"});
    StartWatching();
    desktop.heldElsewhere.insert({kModShift, kVkF6});
    Edit(0, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(kVkF6, false, true, false);
        d.bOK.Click();
    });
    // Read back from its text, the number pad's 5 would be the main row's.
    EXPECT_EQ(RegisterCalls(),
              (Registrations{{1002, kModShift, kVkF6}, {1002, kModControl, kVkNumpad5}}));
    EXPECT_EQ(desktop.IdOf(kModControl, kVkNumpad5), 1002);
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1002, "Ctrl  Num 5"}}));
    EXPECT_EQ(HotkeyCells(), Strings{"Ctrl  Num 5"});
    EXPECT_EQ(Pasted(1002), Text(1));
}

TEST_F(EditItemDialogTest, AnOldHotkeyThatCannotBeTakenBackLeavesTheRowWithout) {
    AddTexts(2);
    StartWatching();
    Edit(1, [&](TfrmSetHotkey& d) {
        desktop.heldElsewhere.insert({2, 0x32}); // grabbed by another program meanwhile
        d.eHotkey.KeyDown(49, true, false, false);
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::None);
    ExpectOnlyMessage(kFailed, MessageIcon::Error);
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1000, "Ctrl 1"}}));
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", ""}));
    EXPECT_EQ(desktop.registered.size(), 1u);
    EXPECT_EQ(frm.CurrentSettings().optionsHotkeys[1], "Ctrl 2");
    EXPECT_EQ(frm.ChangeMarks(), marks + 1);
}

TEST_F(EditItemDialogTest, AHotkeyTheSystemWillNotReleaseStaysRecorded) {
    AddTexts(2);
    desktop.refuseUnregister = true;
    StartWatching();
    Edit(1, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(117, false, false, false);
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(desktop.unregisterCalls, std::vector<int>{1001});
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{
                             {1, 1000, "Ctrl 1"}, {2, 1001, "Ctrl 2"}, {2, 1002, "F6"}}));
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "F6"}));

    // Refused as well: with nothing released there is nothing to take back.
    StartWatching();
    Edit(0, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(50, true, false, false); // still held by the first edit's row
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::None);
    ExpectOnlyMessage(kFailed, MessageIcon::Error);
    EXPECT_EQ(desktop.registerCalls.size(), 1u);
    EXPECT_EQ(Records().front(), (THotkeyInfo{1, 1000, "Ctrl 1"}));
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "F6"}));
}

TEST_F(EditItemDialogTest, UnregisterNeedsTheOriginalHotkeyInTheField) {
    AddTexts(2);
    const std::vector<THotkeyInfo> records = Records();
    StartWatching();
    Edit(1, [](TfrmSetHotkey& d) {
        d.eHotkey.KeyDown(114, false, false, false);
        d.bUnregisterHotkey.Click();
    });
    EXPECT_EQ(result, ModalResult::None);
    ExpectOnlyMessage(kNotAsSet, MessageIcon::Information);
    EXPECT_TRUE(desktop.unregisterCalls.empty());
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(HotkeyCells(), DefaultCells(2));
    EXPECT_EQ(frm.ChangeMarks(), marks);
}

TEST_F(EditItemDialogTest, UnregisterReleasesAtOnceAndCancelKeepsIt) {
    AddTexts(2);
    StartWatching();
    Edit(1, [](TfrmSetHotkey& d) {
        d.eClipStr.SetText("not kept");
        d.bUnregisterHotkey.Click();
        EXPECT_EQ(d.eHotkey.Text(), "");
        EXPECT_EQ(d.InitialHotkey, "");
        EXPECT_EQ(d.GetModalResult(), ModalResult::None);
        d.bCancel.Click();
    });
    ExpectOnlyMessage(kUnregistered, MessageIcon::Information);
    EXPECT_EQ(desktop.unregisterCalls, std::vector<int>{1001});
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1000, "Ctrl 1"}}));
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", ""}));
    EXPECT_EQ(Contents(), Texts(2));
    EXPECT_EQ(frm.CurrentSettings().optionsHotkeys[1], "Ctrl 2");
    EXPECT_EQ(frm.ChangeMarks(), marks + 1);
}

TEST_F(EditItemDialogTest, OkAfterUnregisterReleasesNothingMore) {
    AddTexts(2);
    StartWatching();
    Edit(1, [](TfrmSetHotkey& d) {
        d.bUnregisterHotkey.Click();
        d.eHotkey.KeyDown(118, false, false, false);
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(desktop.unregisterCalls, std::vector<int>{1001});
    EXPECT_EQ(RegisterCalls(), (Registrations{{1002, 0, 118}}));
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1000, "Ctrl 1"}, {2, 1002, "F7"}}));
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "F7"}));
    EXPECT_EQ(frm.CurrentSettings().optionsHotkeys[1], "F7");
}

TEST_F(EditItemDialogTest, UnregisterThatReleasesNothingDoesNothingVisible) {
    AddTexts(1);
    desktop.heldElsewhere.insert({6, 66});
    // Read from a file while another program held the keys: a text without a record.
    ASSERT_FALSE(AppendReadRow(frm.List(), "2", Text(2), "Ctrl  Shift  B"));
    for (int row : {1, 0}) {
        SCOPED_TRACE(row);
        // Row 1 has its record, but the system will not let go of it.
        desktop.refuseUnregister = row == 0;
        const std::vector<THotkeyInfo> records = Records();
        const Strings cells = HotkeyCells();
        StartWatching();
        Edit(row, [&](TfrmSetHotkey& d) {
            EXPECT_TRUE(d.bUnregisterHotkey.Enabled());
            d.bUnregisterHotkey.Click();
            EXPECT_EQ(d.eHotkey.Text(), cells[static_cast<std::size_t>(row)]);
            EXPECT_EQ(d.InitialHotkey, d.eHotkey.Text());
        });
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(desktop.unregisterCalls.size(), row == 0 ? 1u : 0u);
        EXPECT_EQ(Records(), records);
        EXPECT_EQ(HotkeyCells(), cells);
        EXPECT_EQ(frm.ChangeMarks(), marks);
    }
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "Ctrl  Shift  B"}));
}

TEST_F(EditItemDialogTest, EditOpensOnlyWithASelection) {
    AddTexts(2);
    Select(-1);
    EXPECT_FALSE(frm.bEdit.Enabled());
    EXPECT_FALSE(frm.miPopupEdit.Enabled());
    frm.ListView1.OnDblClick();
    frm.aEdit.Execute();
    EXPECT_EQ(site.modalRuns, 0);

    Select(0);
    EXPECT_TRUE(frm.bEdit.Enabled());
    EXPECT_TRUE(frm.miPopupEdit.Enabled());
    frm.ListView1.OnDblClick();
    frm.bEdit.Click();
    frm.miPopupEdit.Click();
    EXPECT_EQ(site.modalRuns, 3);
}

TEST_F(EditItemDialogTest, EditMarksTheListOnlyWhenACellDiffers) {
    AddTexts(2);
    const struct {
        std::string content;
        bool ok;
        std::string stored;
        int marked;
    } cases[] = {
        {Text(2), true, Text(2), 0},
        {"T2", true, "T2", 1},      // only the case of a letter differs
        {"t2 ", true, "t2 ", 1},    // not trimmed
        {"other", false, "t2 ", 0}, // Cancel writes nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        StartWatching();
        Edit(1, [&](TfrmSetHotkey& d) {
            d.eClipStr.SetText(c.content);
            (c.ok ? d.bOK : d.bCancel).Click();
        });
        EXPECT_EQ(result, c.ok ? ModalResult::Ok : ModalResult::Cancel);
        EXPECT_EQ(Contents()[1], c.stored);
        EXPECT_EQ(frm.ChangeMarks(), marks + c.marked);
        EXPECT_TRUE(desktop.registerCalls.empty());
    }
}

} // namespace
} // namespace pw
