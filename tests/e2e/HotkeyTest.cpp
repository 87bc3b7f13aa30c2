#include <gtest/gtest.h>

#include "Input.h"
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
