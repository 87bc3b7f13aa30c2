#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditItemDialog.h"
#include "Input.h"
#include "SharedState.h"
#include "ThreeSnippets.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "platform/Product.h"
#include "hotkeys/SetHotkeyIds.h"

namespace e2e {
namespace {

constexpr const char* kOverlaps = "This hotkey overlaps with other pre-set hotkeys in the list.";
constexpr const char* kSettingFailed = "Hotkey setting failed, please try changing to another key!";
constexpr const char* kUnregistered = "Unregistere hotkey successfully.";

class EditItem : public ThreeSnippets {
protected:
    // Finds the program's message box by its caption, checks that it says `text`, has OK only
    // and belongs to the dialog (the active window), and answers it with OK.
    ::testing::AssertionResult answerBoxOfDialog(const EditItemDialog& dialog,
                                                 const std::string& text) const {
        const HWND box =
            pollFor([&] { return findMessageBox(app.processId(), pw::kMessageCaption); });
        if (box == nullptr) {
            return ::testing::AssertionFailure() << "no message box \"" << text << "\"";
        }
        auto result = ::testing::AssertionSuccess();
        if (messageBoxText(box) != text) {
            result = ::testing::AssertionFailure()
                     << "the message box says \"" << messageBoxText(box) << "\", expected \""
                     << text << "\"";
        } else if (GetWindow(box, GW_OWNER) != dialog.window()) {
            result = ::testing::AssertionFailure()
                     << "the message box is owned by a " << windowClass(GetWindow(box, GW_OWNER));
        } else if (GetDlgItem(box, IDOK) == nullptr || GetDlgItem(box, IDCANCEL) != nullptr) {
            result = ::testing::AssertionFailure() << "the message box is not one with OK only";
        }
        if (!answerMessageBox(box, IDOK)) {
            return ::testing::AssertionFailure() << "the message box does not go on OK";
        }
        return result;
    }

    std::vector<ListRow> defaultRows() const {
        return {{"1", kTexts[0], "Ctrl 1"}, {"2", kTexts[1], "Ctrl 2"}, {"3", kTexts[2], "Ctrl 3"}};
    }
};

TEST_F(EditItem, DoubleClickedRowTakesTheCapturedHotkeyAndTheContentOnOk) {
    ASSERT_TRUE(app.doubleClickRow(1));
    const auto dialog = EditItemDialog::waitFor(app);
    ASSERT_TRUE(dialog) << "no Edit dialog after a double-click on row 2";
    EXPECT_EQ(windowText(dialog->window()), "Edit");
    EXPECT_EQ(GetWindow(dialog->window(), GW_OWNER), app.mainWindow());
    EXPECT_FALSE(IsWindowEnabled(app.mainWindow())) << "the main window is usable meanwhile";
    EXPECT_EQ(dialog->content(), kTexts[1]);
    EXPECT_EQ(dialog->hotkey(), "Ctrl 2");
    EXPECT_TRUE(IsWindowEnabled(dialog->control(IDC_SETHOTKEY_UNREGISTER)));

    const std::string edited = "ann.miller@example.com";
    ASSERT_TRUE(dialog->setContent(edited));
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    ASSERT_TRUE(dialog->click(IDC_SETHOTKEY_OK));
    ASSERT_TRUE(dialog->waitForClose()) << "the dialog stays open after OK";
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != 0; }));
    EXPECT_EQ(findMessageBox(app.processId(), pw::kMessageCaption), nullptr);

    auto expected = defaultRows();
    expected[1] = {"2", edited, "Ctrl  Shift  K"};
    EXPECT_EQ(app.list().rows(), expected);

    // The new combination pastes the new content.
    EXPECT_TRUE(pasteInNotepad({VK_CONTROL, VK_SHIFT, 'K'}, edited));

    // Ctrl+2 no longer copies anything (the clipboard keeps what it held) nor pastes: after a
    // paste of row 3, notepad holds row 2's text once.
    ASSERT_TRUE(setClipboardText("on the clipboard before"));
    ASSERT_TRUE(notepad.focus());
    ASSERT_TRUE(app.pressHotkey('2'));
    EXPECT_EQ(clipboardText(), "on the clipboard before");
    EXPECT_TRUE(pasteInNotepad('3', edited + kTexts[2]));

    // The old combination is free for other programs, the new one is the program's.
    const HotkeyReservation old('2');
    EXPECT_TRUE(old.held());
    const HotkeyReservation captured(MOD_CONTROL | MOD_SHIFT, 'K');
    EXPECT_FALSE(captured.held());
}

TEST_F(EditItem, EnterAndEscAreCapturedAndCancelLeavesTheRowAsItWas) {
    ASSERT_TRUE(app.list().select(2));
    ASSERT_TRUE(app.click(IDC_BUTTON_EDIT));
    const auto dialog = EditItemDialog::waitFor(app);
    ASSERT_TRUE(dialog) << "no Edit dialog after a click on Edit";
    EXPECT_EQ(dialog->content(), kTexts[2]);
    EXPECT_EQ(dialog->hotkey(), "Ctrl 3");

    // The content comes first in the tab order, the hotkey field next.
    const HWND field = dialog->control(IDC_SETHOTKEY_HOTKEY);
    const bool contentFocused = waitUntil([&] {
        return GetForegroundWindow() == dialog->window() &&
               dialog->focus() == dialog->control(IDC_SETHOTKEY_CLIPSTR);
    });
    EXPECT_TRUE(contentFocused) << "focus on id " << GetDlgCtrlID(dialog->focus());
    ASSERT_TRUE(pressKeys({VK_TAB}));
    EXPECT_TRUE(waitUntil([&] { return dialog->focus() == field; }))
        << "Tab took the focus to id " << GetDlgCtrlID(dialog->focus());

    ASSERT_TRUE(dialog->setContent("not to be kept"));

    // Neither key closes the dialog: each only shows in the field.
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_ESCAPE}, "Esc"));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_TRUE(dialog->open()) << "Esc closed the dialog";
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_RETURN}, "Enter"));
    ASSERT_TRUE(app.waitForQueuedMessages());
    ASSERT_TRUE(dialog->open()) << "Enter closed the dialog";
    EXPECT_EQ(app.list().rows(), defaultRows());

    // Ctrl+Tab is a combination like any other and leaves the focus where it is.
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_CONTROL, VK_TAB}, "Ctrl  Tab"));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(dialog->focus(), field);

    // A letter key shows its name; the character it types does not get in.
    ASSERT_TRUE(dialog->pressInHotkeyField({'A'}, "A"));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(dialog->hotkey(), "A");

    // Tab alone moves on to OK.
    ASSERT_TRUE(pressKeys({VK_TAB}));
    EXPECT_TRUE(waitUntil([&] { return dialog->focus() == dialog->control(IDC_SETHOTKEY_OK); }))
        << "Tab took the focus to id " << GetDlgCtrlID(dialog->focus());
    EXPECT_EQ(dialog->hotkey(), "A");

    ASSERT_TRUE(dialog->click(IDC_SETHOTKEY_CANCEL));
    ASSERT_TRUE(dialog->waitForClose()) << "the dialog stays open after Cancel";
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != 0; }));
    EXPECT_EQ(app.list().rows(), defaultRows());
    EXPECT_TRUE(pasteInNotepad('3', kTexts[2]));
}

TEST_F(EditItem, UnregisterReleasesTheHotkeyAndAnEmptyFieldThenOverlapsThatRow) {
    ASSERT_TRUE(app.chooseFromRowMenu(0, 'E'));
    const auto first = EditItemDialog::waitFor(app);
    ASSERT_TRUE(first) << "no Edit dialog after Edit in the context menu of row 1";
    EXPECT_EQ(first->content(), kTexts[0]);
    EXPECT_EQ(first->hotkey(), "Ctrl 1");

    ASSERT_TRUE(first->click(IDC_SETHOTKEY_UNREGISTER));
    {
        // Released at once, while the dialog is still up.
        const HotkeyReservation one('1');
        EXPECT_TRUE(one.held()) << "Ctrl+1 is still taken";
    }
    ASSERT_TRUE(answerBoxOfDialog(*first, kUnregistered));
    ASSERT_TRUE(app.waitForQueuedMessages());
    ASSERT_TRUE(first->open()) << "Unregister Hotkey closed the dialog";
    EXPECT_EQ(first->hotkey(), "");
    const bool cellEmptied = waitUntil([&] {
        return app.list().row(0) == ListRow{"1", kTexts[0], ""};
    });
    EXPECT_TRUE(cellEmptied) << "row 1: " << ::testing::PrintToString(app.list().row(0));
    ASSERT_TRUE(first->click(IDC_SETHOTKEY_CANCEL));
    ASSERT_TRUE(first->waitForClose());

    // Cancel does not bring it back, and a row without a hotkey has nothing to unregister.
    auto expected = defaultRows();
    expected[0].hotkey = "";
    EXPECT_EQ(app.list().rows(), expected);
    ASSERT_TRUE(app.list().select(0));
    ASSERT_TRUE(app.click(IDC_BUTTON_EDIT));
    const auto again = EditItemDialog::waitFor(app);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->hotkey(), "");
    EXPECT_FALSE(IsWindowEnabled(again->control(IDC_SETHOTKEY_UNREGISTER)));
    ASSERT_TRUE(again->click(IDC_SETHOTKEY_CANCEL));
    ASSERT_TRUE(again->waitForClose());

    // A key that cannot be a hotkey empties the field: the same as row 1's hotkey cell now.
    ASSERT_TRUE(app.doubleClickRow(1));
    const auto second = EditItemDialog::waitFor(app);
    ASSERT_TRUE(second) << "no Edit dialog after a double-click on row 2";
    ASSERT_EQ(second->hotkey(), "Ctrl 2");
    ASSERT_TRUE(second->pressInHotkeyField({VK_OEM_1}, ""));
    ASSERT_TRUE(second->click(IDC_SETHOTKEY_OK));
    ASSERT_TRUE(answerBoxOfDialog(*second, kOverlaps));
    ASSERT_TRUE(app.waitForQueuedMessages());
    ASSERT_TRUE(second->open()) << "the dialog closed after the overlap";
    EXPECT_EQ(app.list().rows(), expected);

    ASSERT_TRUE(second->click(IDC_SETHOTKEY_CANCEL));
    ASSERT_TRUE(second->waitForClose());
    EXPECT_EQ(app.list().rows(), expected);
    EXPECT_TRUE(pasteInNotepad('2', kTexts[1]));
}

TEST_F(EditItem, HotkeyTheSystemRefusesIsReportedAndTheRowKeepsItsOwn) {
    ASSERT_TRUE(app.list().select(1));
    ASSERT_TRUE(app.click(IDC_BUTTON_EDIT));
    const auto dialog = EditItemDialog::waitFor(app);
    ASSERT_TRUE(dialog) << "no Edit dialog after a click on Edit";
    ASSERT_EQ(dialog->hotkey(), "Ctrl 2");
    ASSERT_TRUE(dialog->setContent("not to be kept"));
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));

    // Another program takes the combination before OK.
    const HotkeyReservation takenByUs(MOD_CONTROL | MOD_SHIFT, 'K');
    ASSERT_TRUE(takenByUs.held());
    ASSERT_TRUE(dialog->click(IDC_SETHOTKEY_OK));
    ASSERT_TRUE(answerBoxOfDialog(*dialog, kSettingFailed));
    ASSERT_TRUE(app.waitForQueuedMessages());
    ASSERT_TRUE(dialog->open()) << "the dialog closed after the failed registration";
    EXPECT_EQ(app.list().rows(), defaultRows());

    // The close box, like Cancel, keeps the content; the row's own hotkey still works.
    ASSERT_TRUE(PostMessageA(dialog->window(), WM_SYSCOMMAND, SC_CLOSE, 0));
    ASSERT_TRUE(dialog->waitForClose()) << "the close box does not close the dialog";
    EXPECT_EQ(app.list().rows(), defaultRows());
    EXPECT_TRUE(pasteInNotepad('2', kTexts[1]));
}

// Another row's hotkey pressed in the capture field is captured there like any combination:
// nothing is pasted (the paste's own Ctrl+V would land in the field, and OK would take Ctrl+V
// from every program), and OK finds the overlap.
TEST_F(EditItem, AnotherRowsHotkeyPressedInTheFieldIsCapturedNotPasted) {
    // Row 3 gets a hotkey written as the field writes it: the overlap rule compares texts.
    ASSERT_TRUE(app.list().select(2));
    ASSERT_TRUE(app.click(IDC_BUTTON_EDIT));
    auto dialog = EditItemDialog::waitFor(app);
    ASSERT_TRUE(dialog) << "no Edit dialog after a click on Edit";
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    ASSERT_TRUE(dialog->click(IDC_SETHOTKEY_OK));
    ASSERT_TRUE(dialog->waitForClose());
    auto expected = defaultRows();
    expected[2].hotkey = "Ctrl  Shift  K";
    ASSERT_EQ(app.list().rows(), expected);

    ASSERT_TRUE(setClipboardText("on the clipboard before"));
    ASSERT_TRUE(app.list().select(0));
    ASSERT_TRUE(app.click(IDC_BUTTON_EDIT));
    dialog = EditItemDialog::waitFor(app);
    ASSERT_TRUE(dialog) << "no Edit dialog after a click on Edit";
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_CONTROL, '2'}, "Ctrl  2"));
    ASSERT_TRUE(dialog->pressInHotkeyField({VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(clipboardText(), "on the clipboard before");
    ASSERT_TRUE(dialog->click(IDC_SETHOTKEY_OK));
    ASSERT_TRUE(answerBoxOfDialog(*dialog, kOverlaps));
    ASSERT_TRUE(dialog->click(IDC_SETHOTKEY_CANCEL));
    ASSERT_TRUE(dialog->waitForClose());
    EXPECT_EQ(app.list().rows(), expected);
    {
        const HotkeyReservation paste(MOD_CONTROL, 'V');
        EXPECT_TRUE(paste.held()) << "Ctrl+V was taken";
    }

    // Outside the field the same hotkeys paste as before.
    EXPECT_TRUE(pasteInNotepad({VK_CONTROL, VK_SHIFT, 'K'}, kTexts[2]));
    EXPECT_TRUE(pasteInNotepad('2', kTexts[2] + kTexts[1]));
}

} // namespace
} // namespace e2e
