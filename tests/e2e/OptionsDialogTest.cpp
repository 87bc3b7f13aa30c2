#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "OptionsDialog.h"
#include "ProgramBox.h"
#include "SharedState.h"
#include "ThreeSnippets.h"
#include "WindowQuery.h"
#include "platform/Product.h"
#include "hotkeys/OptionsIds.h"

namespace e2e {
namespace {

constexpr const char* kOverlaps = "This hotkey overlaps with other pre-set hotkeys in the list.";

using Hotkeys = std::array<std::string, OptionsDialog::kFields>;

const Hotkeys kDefaultHotkeys{"Ctrl 1", "Ctrl 2", "Ctrl 3", "Ctrl 4", "Ctrl 5",
                              "Ctrl 6", "Ctrl 7", "Ctrl 8", "Ctrl 9", "Ctrl 0"};

class Options : public ThreeSnippets {
protected:
    std::vector<ListRow> defaultRows() const {
        return {{"1", kTexts[0], "Ctrl 1"}, {"2", kTexts[1], "Ctrl 2"}, {"3", kTexts[2], "Ctrl 3"}};
    }

    // Ctrl+key belongs to the program: another program cannot take it.
    static bool heldByTheProgram(char key) { return !HotkeyReservation(key).held(); }
    static bool isFree(UINT modifiers, UINT key) {
        return HotkeyReservation(modifiers, key).held();
    }
};

TEST_F(Options, ChosenFromTheMenuItShowsTheRowsHotkeysAndOkRegistersAChangedOne) {
    const auto dialog = OptionsDialog::openFromMainMenu(app);
    ASSERT_TRUE(dialog) << "no Options dialog";
    EXPECT_EQ(windowText(dialog->window()), "Options");
    EXPECT_EQ(GetWindow(dialog->window(), GW_OWNER), app.mainWindow());
    EXPECT_FALSE(IsWindowEnabled(app.mainWindow())) << "the main window is usable meanwhile";
    RECT outer{};
    RECT inner{};
    ASSERT_TRUE(GetWindowRect(app.mainWindow(), &outer) && GetWindowRect(dialog->window(), &inner));
    EXPECT_LE(std::abs((outer.left + outer.right) - (inner.left + inner.right)), 2);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (inner.top + inner.bottom)), 2);
    EXPECT_EQ(dialog->hotkeys(), kDefaultHotkeys);

    ASSERT_TRUE(dialog->pressInField(2, {VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    ASSERT_TRUE(dialog->click(IDC_OPTIONS_OK));
    ASSERT_TRUE(dialog->waitForClose()) << "the dialog stays open after OK";
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != 0; }));
    EXPECT_EQ(findMessageBox(app.processId(), pw::kMessageCaption), nullptr);
    auto expected = defaultRows();
    expected[1].hotkey = "Ctrl  Shift  K";
    EXPECT_EQ(app.list().rows(), expected);

    EXPECT_TRUE(pasteInNotepad({VK_CONTROL, VK_SHIFT, 'K'}, kTexts[1]));
    // Ctrl+2 neither copies (the clipboard keeps what it held) nor pastes.
    ASSERT_TRUE(setClipboardText("on the clipboard before"));
    ASSERT_TRUE(notepad.focus());
    ASSERT_TRUE(app.pressHotkey('2'));
    EXPECT_EQ(clipboardText(), "on the clipboard before");
    EXPECT_TRUE(pasteInNotepad('3', kTexts[1] + kTexts[2]));
    EXPECT_TRUE(pasteInNotepad('1', kTexts[1] + kTexts[2] + kTexts[0]));
    EXPECT_TRUE(isFree(MOD_CONTROL, '2'));
    EXPECT_FALSE(isFree(MOD_CONTROL | MOD_SHIFT, 'K'));

    // Opened again, the field shows the row's new hotkey.
    const auto again = OptionsDialog::openFromMainMenu(app);
    ASSERT_TRUE(again) << "no Options dialog the second time";
    Hotkeys shown = kDefaultHotkeys;
    shown[1] = "Ctrl  Shift  K";
    EXPECT_EQ(again->hotkeys(), shown);
    ASSERT_TRUE(again->click(IDC_OPTIONS_CANCEL));
    ASSERT_TRUE(again->waitForClose());
    EXPECT_EQ(app.list().rows(), expected);
}

TEST_F(Options, EqualFieldsAreRefusedAndCancelLeavesEveryHotkeyAsItWas) {
    const auto dialog = OptionsDialog::openFromMainMenu(app);
    ASSERT_TRUE(dialog) << "no Options dialog";

    // Two rows' fields alike.
    ASSERT_TRUE(dialog->pressInField(2, {VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    ASSERT_TRUE(dialog->pressInField(3, {VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    ASSERT_TRUE(dialog->click(IDC_OPTIONS_OK));
    EXPECT_TRUE(answerProgramBox(app, kOverlaps, BoxButtons::Ok, IDOK, dialog->window()));
    ASSERT_TRUE(app.waitForQueuedMessages());
    ASSERT_TRUE(dialog->open()) << "the dialog closed after the overlap";
    EXPECT_EQ(dialog->hotkey(2), "Ctrl  Shift  K");
    EXPECT_EQ(app.list().rows(), defaultRows());
    EXPECT_TRUE(heldByTheProgram('2'));
    EXPECT_TRUE(isFree(MOD_CONTROL | MOD_SHIFT, 'K'));

    // A field of a position without a row counts too.
    ASSERT_TRUE(dialog->pressInField(3, {VK_CONTROL, VK_SHIFT, 'J'}, "Ctrl  Shift  J"));
    ASSERT_TRUE(dialog->pressInField(10, {VK_CONTROL, VK_SHIFT, 'J'}, "Ctrl  Shift  J"));
    ASSERT_TRUE(dialog->click(IDC_OPTIONS_OK));
    EXPECT_TRUE(answerProgramBox(app, kOverlaps, BoxButtons::Ok, IDOK, dialog->window()));
    ASSERT_TRUE(app.waitForQueuedMessages());
    ASSERT_TRUE(dialog->open()) << "the dialog closed after the overlap";
    EXPECT_EQ(app.list().rows(), defaultRows());

    ASSERT_TRUE(dialog->click(IDC_OPTIONS_CANCEL));
    ASSERT_TRUE(dialog->waitForClose()) << "the dialog stays open after Cancel";
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != 0; }));
    EXPECT_EQ(app.list().rows(), defaultRows());
    EXPECT_TRUE(isFree(MOD_CONTROL | MOD_SHIFT, 'K'));
    EXPECT_TRUE(isFree(MOD_CONTROL | MOD_SHIFT, 'J'));
    EXPECT_TRUE(pasteInNotepad('2', kTexts[1]));
    EXPECT_TRUE(pasteInNotepad('3', kTexts[1] + kTexts[2]));

    // Nothing of the cancelled changes was kept; the close box cancels as well.
    const auto again = OptionsDialog::openFromMainMenu(app);
    ASSERT_TRUE(again) << "no Options dialog the second time";
    EXPECT_EQ(again->hotkeys(), kDefaultHotkeys);
    ASSERT_TRUE(again->pressInField(1, {VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    ASSERT_TRUE(PostMessageA(again->window(), WM_SYSCOMMAND, SC_CLOSE, 0));
    ASSERT_TRUE(again->waitForClose()) << "the close box does not close the dialog";
    EXPECT_EQ(app.list().rows(), defaultRows());
    EXPECT_TRUE(pasteInNotepad('1', kTexts[1] + kTexts[2] + kTexts[0]));
}

TEST_F(Options, HotkeyTheSystemRefusesIsReportedByPositionAndOkAgainTakesItOnceFree) {
    const auto dialog = OptionsDialog::openFromMainMenu(app);
    ASSERT_TRUE(dialog) << "no Options dialog";
    ASSERT_TRUE(dialog->pressInField(2, {VK_CONTROL, VK_SHIFT, 'K'}, "Ctrl  Shift  K"));
    auto expected = defaultRows();
    {
        // Another program takes the combination before OK.
        const HotkeyReservation takenByUs(MOD_CONTROL | MOD_SHIFT, 'K');
        ASSERT_TRUE(takenByUs.held());
        ASSERT_TRUE(dialog->click(IDC_OPTIONS_OK));
        EXPECT_TRUE(answerProgramBox(
            app, "Hotkey2: Hotkey setting failed, please try changing to another key!",
            BoxButtons::Ok, IDOK, dialog->window()));
        ASSERT_TRUE(app.waitForQueuedMessages());
        ASSERT_TRUE(dialog->open()) << "the dialog closed after the failed registration";
        EXPECT_EQ(findMessageBox(app.processId(), pw::kMessageCaption), nullptr)
            << "a second box for a position that was registered";
        // Row 2 has lost Ctrl+2 and has no hotkey; the others keep theirs.
        expected[1].hotkey = "";
        EXPECT_EQ(app.list().rows(), expected);
        EXPECT_TRUE(isFree(MOD_CONTROL, '2'));
        EXPECT_TRUE(heldByTheProgram('1'));
        EXPECT_TRUE(heldByTheProgram('3'));
    }

    ASSERT_TRUE(dialog->click(IDC_OPTIONS_OK));
    ASSERT_TRUE(dialog->waitForClose()) << "the dialog stays open on OK once the key is free";
    expected[1].hotkey = "Ctrl  Shift  K";
    EXPECT_EQ(app.list().rows(), expected);
    EXPECT_TRUE(pasteInNotepad({VK_CONTROL, VK_SHIFT, 'K'}, kTexts[1]));
    EXPECT_TRUE(pasteInNotepad('3', kTexts[1] + kTexts[2]));
}

TEST(OptionsHotkeys, FieldsOfPositionsWithoutRowsAreKeptAcrossARestart) {
    Hotkeys kept = kDefaultHotkeys;
    kept[0] = "Ctrl  Shift  1";
    kept[9] = "Ctrl  Alt  F11";
    {
        PastewiseApp app;
        const auto dialog = OptionsDialog::openFromMainMenu(app);
        ASSERT_TRUE(dialog) << "no Options dialog";
        EXPECT_EQ(dialog->hotkeys(), kDefaultHotkeys);
        ASSERT_TRUE(dialog->pressInField(1, {VK_CONTROL, VK_SHIFT, '1'}, kept[0]));
        ASSERT_TRUE(dialog->pressInField(10, {VK_CONTROL, VK_MENU, VK_F11}, kept[9]));
        ASSERT_TRUE(dialog->click(IDC_OPTIONS_OK));
        ASSERT_TRUE(dialog->waitForClose()) << "the dialog stays open after OK";
        // Kept for later, not registered: there is no row to paste.
        EXPECT_TRUE(HotkeyReservation(MOD_CONTROL | MOD_SHIFT, '1').held());

        const auto again = OptionsDialog::openFromMainMenu(app);
        ASSERT_TRUE(again) << "no Options dialog the second time";
        EXPECT_EQ(again->hotkeys(), kept);
        ASSERT_TRUE(again->click(IDC_OPTIONS_CANCEL));
        ASSERT_TRUE(again->waitForClose());
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    PastewiseApp app(PastewiseApp::Settings::Keep);
    const auto dialog = OptionsDialog::openFromMainMenu(app);
    ASSERT_TRUE(dialog) << "no Options dialog after the restart";
    EXPECT_EQ(dialog->hotkeys(), kept);
    ASSERT_TRUE(dialog->click(IDC_OPTIONS_CANCEL));
    ASSERT_TRUE(dialog->waitForClose());
}

} // namespace
} // namespace e2e
