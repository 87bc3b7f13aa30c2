#include <gtest/gtest.h>

#include <utility>

#include "Input.h"
#include "Notepad.h"
#include "PasteCheck.h"
#include "PastewiseApp.h"
#include "SharedState.h"
#include "ThreeSnippets.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "platform/Product.h"

namespace e2e {
namespace {

using HotkeyPaste = ThreeSnippets;

TEST_F(HotkeyPaste, RowHotkeyPastesItsTextIntoTheFocusedProgram) {
    ASSERT_TRUE(setClipboardText("on the clipboard before"));

    EXPECT_TRUE(pasteInNotepad('2', kTexts[1]));
    EXPECT_EQ(clipboardText(), kTexts[1]);

    EXPECT_TRUE(pasteInNotepad('3', kTexts[1] + kTexts[2]));
    EXPECT_EQ(clipboardText(), kTexts[2]);
}

// The user still holds the hotkey's modifiers when the paste goes out: notepad gets a plain
// Ctrl+V all the same, letting go of Alt opens no menu, and Ctrl held on from one hotkey to the
// next pastes both rows rather than typing the second digit.
TEST(PasteWithModifiersHeld, NotepadGetsAPlainCtrlV) {
    ASSERT_TRUE(PastewiseApp::writeSettingsFile(
        "[ClipStringList]\r\nCount=4\r\n0=one\r\n1=two\r\n2=shifted\r\n3=alted\r\n"
        "[IndexList]\r\n0=1\r\n1=2\r\n2=3\r\n3=4\r\n"
        "[HotkeyList]\r\n0=Ctrl 1\r\n1=Ctrl 2\r\n2=Shift  F9\r\n3=Alt  F9\r\n"));
    PastewiseApp app(PastewiseApp::Settings::Keep);
    Notepad notepad;
    ASSERT_TRUE(notepad.focus());

    ASSERT_TRUE(holdKeys({VK_CONTROL}));
    const std::pair<WORD, const char*> presses[] = {{'1', "one"}, {'2', "onetwo"}};
    for (const auto& [digit, shown] : presses) {
        EXPECT_TRUE(holdKeys({digit}) && app.waitForQueuedMessages() && releaseKeys({digit}));
        EXPECT_TRUE(notepad.waitForText(shown)) << notepad.text();
    }
    ASSERT_TRUE(releaseKeys({VK_CONTROL}));

    EXPECT_TRUE(pasteInNotepad(app, notepad, {VK_SHIFT, VK_F9}, "onetwoshifted"));
    EXPECT_TRUE(pasteInNotepad(app, notepad, {VK_MENU, VK_F9}, "onetwoshiftedalted"));
    // An open menu would take the next key instead of the text.
    ASSERT_TRUE(typeText(L"!"));
    EXPECT_TRUE(notepad.waitForText("onetwoshiftedalted!")) << notepad.text();
}

// Hotkeys pressed close together, as by a practised hand, a programmable key or a macro tool:
// notepad gets each row once, in the order of the presses, and nothing after. With both watcher
// boxes ticked, the entry box shows the last paste and none of them becomes a row.
TEST(QuickPresses, HotkeysPastedInQuickSuccessionArriveInTheirOrder) {
    ASSERT_TRUE(PastewiseApp::writeSettingsFile(
        "[Copy]\r\nEnable=1\r\n[AutoAdd]\r\nEnable=1\r\n"
        "[ClipStringList]\r\nCount=3\r\n0=one\r\n1=two\r\n2=three\r\n"
        "[IndexList]\r\n0=1\r\n1=2\r\n2=3\r\n"
        "[HotkeyList]\r\n0=Ctrl 1\r\n1=Ctrl 2\r\n2=Ctrl 3\r\n"));
    // Auto-add takes the clipboard at the start: a row's text adds no row.
    ASSERT_TRUE(setClipboardText("one"));
    PastewiseApp app(PastewiseApp::Settings::Keep);
    Notepad notepad;
    for (const DWORD gap : {0, 20, 60}) {
        for (int round = 1; round <= 3; ++round) {
            SCOPED_TRACE(::testing::Message() << gap << " ms apart, round " << round);
            ASSERT_TRUE(setWindowText(notepad.edit(), ""));
            ASSERT_TRUE(notepad.focus());
            if (gap == 0) {
                ASSERT_TRUE(tapKeysHolding(VK_CONTROL, {'1', '2', '3'}));
            } else {
                ASSERT_TRUE(holdKeys({VK_CONTROL}));
                for (const WORD digit : {'1', '2', '3'}) {
                    ASSERT_TRUE(pressKeys({digit}));
                    Sleep(gap);
                }
            }
            EXPECT_TRUE(notepad.waitForText("onetwothree")) << notepad.text();
            ASSERT_TRUE(releaseKeys({VK_CONTROL}));
            // Longer than a paste ever waits for the one before it.
            Sleep(500);
            EXPECT_EQ(notepad.text(), "onetwothree");
            EXPECT_EQ(app.entry(), "three");
        }
    }
    EXPECT_EQ(app.list().count(), 3);
}

TEST(HotkeyRegistration, HotkeyHeldByAnotherProgramIsReportedAndTheRowHasNone) {
    const HotkeyReservation takenByUs('1');
    ASSERT_TRUE(takenByUs.held());
    PastewiseApp app;

    ASSERT_TRUE(app.typeEntry("first snippet"));
    ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
    const HWND box = pollFor([&] { return findMessageBox(app.processId(), pw::kMessageCaption); });
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(messageBoxText(box), "Hotkey setting failed, please try changing to another key!");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    ASSERT_TRUE(answerMessageBox(box, IDOK));

    ASSERT_TRUE(app.waitForRowCount(1));
    EXPECT_EQ(app.list().row(0), (ListRow{"1", "first snippet", ""}));

    ASSERT_TRUE(app.addSnippet("second snippet"));
    EXPECT_EQ(app.list().row(1), (ListRow{"2", "second snippet", "Ctrl 2"}));
    EXPECT_EQ(findMessageBox(app.processId(), pw::kMessageCaption), nullptr);
}

TEST(HotkeyRegistration, ExitReleasesEveryHotkey) {
    PastewiseApp app;
    ASSERT_TRUE(app.addSnippet("one"));
    ASSERT_TRUE(app.addSnippet("two"));
    ASSERT_EQ(app.list().row(1), (ListRow{"2", "two", "Ctrl 2"}));
    {
        const HotkeyReservation whileRunning('1');
        EXPECT_FALSE(whileRunning.held()) << "the program does not hold Ctrl+1";
    }

    EXPECT_EQ(app.exit(), std::optional<DWORD>(0));
    EXPECT_FALSE(app.process().running());
    EXPECT_EQ(FindWindowA(pw::kMainWindowClass, nullptr), nullptr);

    const HotkeyReservation one('1');
    const HotkeyReservation two('2');
    EXPECT_TRUE(one.held());
    EXPECT_TRUE(two.held());
}

} // namespace
} // namespace e2e
