#include "hotkeys/TfrmOptions.h"

#include "hotkeys/OptionsIds.h"
#include "support/FakeFormSite.h"
#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace pw {
namespace {

using Strings = std::vector<std::string>;
using ui::ModalResult;

constexpr const char* kOverlaps = "This hotkey overlaps with other pre-set hotkeys in the list.";
constexpr const char* kFailed = "Hotkey setting failed, please try changing to another key!";

constexpr std::uint32_t kVkF2 = 0x71;
constexpr std::uint32_t kVkF3 = 0x72;

// Field number (1 to 10) and the text put into it.
using FieldTexts = std::vector<std::pair<int, std::string>>;

class OptionsDialogTest : public test::MainWindowTest {
protected:
    using User = std::function<void(TfrmOptions&)>;

    OptionsDialogTest() { frm.AttachSite(&site); }

    // Options from the main menu, with the user's part played by `user`;
    // `shown` is what the fields held when the dialog appeared, `result` how
    // the dialog stood when the user was done with it.
    void Options(const User& user) {
        site.modalScript = [this, user](ui::Form& form) {
            auto& dialog = dynamic_cast<TfrmOptions&>(form);
            shown = Fields(dialog);
            user(dialog);
            result = dialog.GetModalResult();
        };
        frm.miOptions.Click();
    }

    static Strings Fields(const TfrmOptions& d) {
        Strings texts;
        for (const HotkeyField& field : d.eHotkey)
            texts.push_back(field.Text());
        return texts;
    }
    static void Fill(TfrmOptions& d, const FieldTexts& texts) {
        for (const auto& [field, text] : texts)
            d.eHotkey[static_cast<std::size_t>(field - 1)].SetText(text);
    }

    Strings StoredHotkeys() {
        const OptionsHotkeys& stored = frm.CurrentSettings().optionsHotkeys;
        return {stored.begin(), stored.end()};
    }
    static Strings Defaults() {
        Strings texts;
        for (int i = 1; i <= 10; ++i)
            texts.push_back("Ctrl " + std::to_string(i % 10));
        return texts;
    }

    // Forgets the calls made while the list was built and notes the state
    // the dialog is expected to leave alone.
    void StartWatching() {
        desktop.registerCalls.clear();
        desktop.unregisterCalls.clear();
        desktop.messages.clear();
        marks = frm.ChangeMarks();
        records = Records();
        cells = HotkeyCells();
        stored = StoredHotkeys();
    }
    void ExpectNothingChanged() {
        EXPECT_TRUE(desktop.registerCalls.empty());
        EXPECT_TRUE(desktop.unregisterCalls.empty());
        EXPECT_EQ(Records(), records);
        EXPECT_EQ(HotkeyCells(), cells);
        EXPECT_EQ(StoredHotkeys(), stored);
        EXPECT_EQ(frm.ChangeMarks(), marks);
    }
    void ExpectMessages(const Strings& texts, MessageIcon icon) {
        ASSERT_EQ(desktop.messages.size(), texts.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(desktop.messages[i].text, texts[i]);
            EXPECT_EQ(desktop.messages[i].caption, "Orvane Pastewise");
            EXPECT_EQ(desktop.messages[i].icon, icon);
            EXPECT_EQ(desktop.messages[i].buttons, MessageButtons::Ok);
        }
    }

    test::FakeFormSite site;
    ModalResult result = ModalResult::None;
    Strings shown;
    int marks = 0;
    std::vector<THotkeyInfo> records;
    Strings cells;
    Strings stored;
};

TEST_F(OptionsDialogTest, FieldsShowTheRowsHotkeysThenTheStoredOnesAndCancelKeepsThem) {
    // Row 2 has no hotkey: its field shows that, not the stored text.
    const auto rowHotkey = [](int row) { return row == 2 ? "" : "Alt  F" + std::to_string(row); };
    int rows = 0;
    bool closeBox = false;
    for (int upTo : {0, 3, 10, 12}) {
        SCOPED_TRACE(upTo);
        for (; rows < upTo; ++rows)
            ASSERT_TRUE(AppendReadRow(frm.List(), std::to_string(rows + 1), Text(rows + 1),
                                      rowHotkey(rows + 1)));
        StartWatching();
        Options([&](TfrmOptions& d) {
            Fill(d, {{1, "Ctrl  Q"}, {10, ""}});
            if (!closeBox)
                d.bCancel.Click();
        });
        Strings expected = Defaults();
        for (int row = 1; row <= std::min(rows, 10); ++row)
            expected[static_cast<std::size_t>(row - 1)] = rowHotkey(row);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(result, closeBox ? ModalResult::None : ModalResult::Cancel);
        ExpectNothingChanged();
        EXPECT_TRUE(desktop.messages.empty());
        closeBox = !closeBox;
    }
    EXPECT_EQ(site.modalRuns, 4);
}

TEST_F(OptionsDialogTest, WithoutRowsOkStoresTheTenFieldsAndRegistersNothing) {
    StartWatching();
    Strings typed = Defaults();
    typed[0] = "Alt  A";
    typed[4] = "Ctrl  Shift  5";
    typed[9] = ""; // one empty field overlaps nothing
    Options([&](TfrmOptions& d) {
        Fill(d, {{1, typed[0]}, {5, typed[4]}, {10, typed[9]}});
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(StoredHotkeys(), typed);
    EXPECT_TRUE(desktop.registerCalls.empty());
    EXPECT_TRUE(desktop.unregisterCalls.empty());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(frm.ChangeMarks(), marks);

    // The next opening offers them again.
    Options([](TfrmOptions& d) { d.bCancel.Click(); });
    EXPECT_EQ(shown, typed);
}

TEST_F(OptionsDialogTest, ChangeOnlyBeyondTheRowsStoresAllTenWithoutRegistering) {
    const Strings hotkeys{"Ctrl 1", "Alt  F2", "Ctrl 3"};
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(AppendReadRow(frm.List(), std::to_string(i), Text(i), hotkeys[i - 1]));
    StartWatching();
    Options([](TfrmOptions& d) {
        Fill(d, {{8, "Alt  F8"}});
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    Strings expected = Defaults();
    expected[1] = "Alt  F2"; // from row 2, as the field showed it
    expected[7] = "Alt  F8";
    EXPECT_EQ(StoredHotkeys(), expected);
    EXPECT_TRUE(desktop.messages.empty());
    stored = expected;
    ExpectNothingChanged();
}

TEST_F(OptionsDialogTest, ChangedRowReRegistersRowsOneToNAndDropsTheOtherFields) {
    AddTexts(3);
    StartWatching();
    Options([](TfrmOptions& d) {
        Fill(d, {{2, "Alt  F2"}, {8, "Alt  F8"}});
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.unregisterCalls, (std::vector<int>{1002, 1001, 1000}));
    EXPECT_EQ(RegisterCalls(),
              (Registrations{
                  {1003, kModControl, '1'}, {1004, kModAlt, kVkF2}, {1005, kModControl, '3'}}));
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{
                             {1, 1003, "Ctrl 1"}, {2, 1004, "Alt  F2"}, {3, 1005, "Ctrl 3"}}));
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "Alt  F2", "Ctrl 3"}));
    EXPECT_EQ(frm.Hotkeys().NextId(), 1006);
    // Neither field 2 nor field 8 is kept for later.
    EXPECT_EQ(StoredHotkeys(), Defaults());
    EXPECT_EQ(frm.ChangeMarks(), marks + 1);

    EXPECT_EQ(Pasted(1003), "t1");
    EXPECT_EQ(Pasted(1004), "t2");
    EXPECT_EQ(Pasted(1005), "t3");
    EXPECT_EQ(Pasted(1001), "<nothing>");

    Options([](TfrmOptions& d) { d.bCancel.Click(); });
    Strings expected = Defaults();
    expected[1] = "Alt  F2";
    EXPECT_EQ(shown, expected);
}

TEST_F(OptionsDialogTest, HotkeysOfRowsBeyondTenAreLeftRegistered) {
    for (int i = 1; i <= 11; ++i)
        ASSERT_TRUE(AppendReadRow(frm.List(), std::to_string(i), Text(i),
                                  i <= 10 ? "Ctrl " + std::to_string(i % 10) : "Alt  F11"));
    StartWatching();
    Options([](TfrmOptions& d) {
        Fill(d, {{10, "Alt  F10"}});
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    std::vector<int> released;
    for (int id = 1009; id >= 1000; --id)
        released.push_back(id);
    EXPECT_EQ(desktop.unregisterCalls, released);
    ASSERT_EQ(Records().size(), 11u);
    EXPECT_EQ(Records().front(), (THotkeyInfo{11, 1010, "Alt  F11"}));
    EXPECT_EQ(Records().back(), (THotkeyInfo{10, 1020, "Alt  F10"}));
    EXPECT_EQ(HotkeyCells()[9], "Alt  F10");
    EXPECT_EQ(HotkeyCells()[10], "Alt  F11");
    EXPECT_EQ(Pasted(1010), "t11");
    EXPECT_EQ(Pasted(1020), "t10");
}

TEST_F(OptionsDialogTest, OverlappingFieldsAreRefusedAndTheDialogStaysOpen) {
    AddTexts(3);
    const FieldTexts cases[] = {
        {{4, ""}, {9, ""}},                   // two empty fields
        {{2, "Alt  F2"}, {6, "Alt  F2"}},     // a row's field and a stored one
        {{9, "Ctrl 0"}},                      // the last two fields
        {{1, "Ctrl 3"}, {2, "x"}, {10, "x"}}, // more than one pair
    };
    for (const FieldTexts& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c));
        StartWatching();
        Options([&](TfrmOptions& d) {
            Fill(d, c);
            d.bOK.Click();
        });
        EXPECT_EQ(result, ModalResult::None);
        ExpectMessages({kOverlaps}, MessageIcon::Information);
        ExpectNothingChanged();
    }
}

TEST_F(OptionsDialogTest, PositionsTheSystemRefusesAreReportedAndEmptiedTheOthersWork) {
    AddTexts(4);
    desktop.heldElsewhere.insert({kModAlt, kVkF3});
    StartWatching();
    Strings afterFailure;
    Options([&](TfrmOptions& d) {
        // Not the same text as field 1, so no overlap, but the same keys.
        Fill(d, {{2, "Ctrl  1"}, {3, "Alt  F3"}});
        d.bOK.Click();
        EXPECT_EQ(d.GetModalResult(), ModalResult::None);
        afterFailure = HotkeyCells();

        // OK again tries every position anew.
        Fill(d, {{2, "Alt  F2"}, {3, "Ctrl  Shift  3"}});
        d.bOK.Click();
    });
    ExpectMessages({std::string("Hotkey2: ") + kFailed, std::string("Hotkey3: ") + kFailed},
                   MessageIcon::Error);
    EXPECT_EQ(afterFailure, (Strings{"Ctrl 1", "", "", "Ctrl 4"}));
    const Registrations firstOk{{1004, kModControl, '1'},
                                {1005, kModControl, '1'},
                                {1005, kModAlt, kVkF3},
                                {1005, kModControl, '4'}};
    const Registrations calls = RegisterCalls();
    ASSERT_GE(calls.size(), firstOk.size());
    EXPECT_EQ(Registrations(calls.begin(), calls.begin() + 4), firstOk);
    EXPECT_EQ(desktop.unregisterCalls, (std::vector<int>{1003, 1002, 1001, 1000, 1005, 1004}));

    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "Alt  F2", "Ctrl  Shift  3", "Ctrl 4"}));
    EXPECT_EQ(Records(), (std::vector<THotkeyInfo>{{1, 1006, "Ctrl 1"},
                                                   {2, 1007, "Alt  F2"},
                                                   {3, 1008, "Ctrl  Shift  3"},
                                                   {4, 1009, "Ctrl 4"}}));
    // The failed positions lost their stored texts; a later success does not
    // bring them back.
    Strings expected = Defaults();
    expected[1] = "";
    expected[2] = "";
    EXPECT_EQ(StoredHotkeys(), expected);
    EXPECT_EQ(frm.ChangeMarks(), marks + 1);
    EXPECT_EQ(Pasted(1007), "t2");
}

TEST_F(OptionsDialogTest, ClosingAfterAFailedOkMarksTheListChanged) {
    AddTexts(3);
    desktop.heldElsewhere.insert({kModAlt, kVkF2});
    const struct {
        FieldTexts fields;
        bool closeBox;
        Strings cells;
    } rounds[] = {
        {{{2, "Alt  F2"}}, false, {"Ctrl 1", "", "Ctrl 3"}},
        {{{2, "Alt  F7"}, {3, "Alt  F2"}}, true, {"Ctrl 1", "Alt  F7", ""}},
    };
    for (const auto& r : rounds) {
        SCOPED_TRACE(r.closeBox);
        StartWatching();
        Options([&](TfrmOptions& d) {
            Fill(d, r.fields);
            d.bOK.Click();
            if (!r.closeBox)
                d.bCancel.Click();
        });
        EXPECT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(result, r.closeBox ? ModalResult::None : ModalResult::Cancel);
        EXPECT_EQ(HotkeyCells(), r.cells);
        EXPECT_EQ(frm.ChangeMarks(), marks + 1);
    }
}

TEST_F(OptionsDialogTest, ReleaseTheSystemRefusesLeavesTheRecord) {
    AddTexts(3);
    desktop.refuseUnregister = true;
    StartWatching();
    Options([](TfrmOptions& d) {
        Fill(d, {{2, "Alt  F2"}});
        d.bOK.Click();
    });
    EXPECT_EQ(desktop.unregisterCalls, (std::vector<int>{1002, 1001, 1000}));
    // The old keys of rows 1 and 3 are still taken, so those positions fail.
    EXPECT_EQ(
        Records(),
        (std::vector<THotkeyInfo>{
            {1, 1000, "Ctrl 1"}, {2, 1001, "Ctrl 2"}, {3, 1002, "Ctrl 3"}, {2, 1003, "Alt  F2"}}));
    ExpectMessages({std::string("Hotkey1: ") + kFailed, std::string("Hotkey3: ") + kFailed},
                   MessageIcon::Error);
    EXPECT_EQ(result, ModalResult::None);
}

TEST_F(OptionsDialogTest, RowsAutoAddedWhileTheDialogIsOpenAreIncluded) {
    AddTexts(2);
    frm.CurrentSettings().autoAdd = true;
    StartWatching();
    Options([this](TfrmOptions& d) {
        desktop.clipboard = "third";
        frm.ClipboardChanged();
        ASSERT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "Ctrl 2", "Ctrl 3"}));
        Fill(d, {{3, "Alt  F3"}});
        d.bOK.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(HotkeyCells(), (Strings{"Ctrl 1", "Ctrl 2", "Alt  F3"}));
    EXPECT_EQ(Records().back(), (THotkeyInfo{3, 1005, "Alt  F3"}));
    EXPECT_EQ(Pasted(1005), "third");
}

TEST(OptionsDialogDesign, FieldsAreNumberedInTwoColumnsAndReachableByTheirIds) {
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
    OptionsHotkeys stored = DefaultOptionsHotkeys();
    TfrmOptions d(frm.Table(), frm.Hotkeys(), desktop, stored);
    EXPECT_EQ(d.Caption(), "Options");
    EXPECT_EQ(d.FindById(IDC_OPTIONS_OK), &d.bOK);
    EXPECT_EQ(d.FindById(IDC_OPTIONS_CANCEL), &d.bCancel);

    // Tab order is creation order: the fields by number, then OK and Cancel.
    std::vector<const ui::Control*> tabOrder;
    for (const ui::Placement& p : d.Controls())
        if (p.control->GetKind() != ui::Kind::Label && p.control->GetKind() != ui::Kind::GroupBox)
            tabOrder.push_back(p.control);
    std::vector<const ui::Control*> expectedOrder;
    for (const HotkeyField& field : d.eHotkey)
        expectedOrder.push_back(&field);
    expectedOrder.push_back(&d.bOK);
    expectedOrder.push_back(&d.bCancel);
    EXPECT_EQ(tabOrder, expectedOrder);

    const ui::Rect group = d.GroupBox1.Bounds();
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const std::size_t i = static_cast<std::size_t>(n - 1);
        EXPECT_EQ(d.FindById(IDC_OPTIONS_HOTKEY1 + n - 1), &d.eHotkey[i]);
        EXPECT_EQ(d.eHotkey[i].Name(), "eHotkey" + std::to_string(n));
        EXPECT_EQ(d.FindById(IDC_OPTIONS_LABEL1 + n - 1), &d.lHotkey[i]);
        EXPECT_EQ(d.lHotkey[i].Text(), std::to_string(n) + ":");

        // Inside the group, the label just left of its field on the same line.
        const ui::Rect field = d.eHotkey[i].Bounds();
        const ui::Rect label = d.lHotkey[i].Bounds();
        EXPECT_LE(field.left + field.width, group.width);
        EXPECT_LE(field.top + field.height, group.height);
        EXPECT_LE(label.left + label.width, field.left);
        EXPECT_GE(label.top, field.top);
        EXPECT_LE(label.top + label.height, field.top + field.height);

        // 1 to 5 down the left column, 6 to 10 beside them.
        if (n <= 5) {
            const ui::Rect beside = d.eHotkey[i + 5].Bounds();
            EXPECT_EQ(beside.top, field.top);
            EXPECT_GT(beside.left, field.left + field.width);
        }
        if (n % 5 != 0) {
            EXPECT_GE(d.eHotkey[i + 1].Bounds().top, field.top + field.height);
        }
    }
}

} // namespace
} // namespace pw
