#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditItemDialog.h"
#include "Input.h"
#include "PastewiseApp.h"
#include "SharedState.h"
#include "ThreeSnippets.h"
#include "app/MainIds.h"
#include "hotkeys/SetHotkeyIds.h"

namespace e2e {
namespace {

TEST(SnippetList, TypedTextsAreAddedAsNumberedRowsWithHotkeysAndTheNewRowSelected) {
    PastewiseApp app;
    ASSERT_EQ(app.list().count(), 0);

    const std::vector<ListRow> expected{{"1", "Kind regards, Ann Miller", "Ctrl 1"},
                                        {"2", "ann.miller@example.org", "Ctrl 2"},
                                        {"3", "+44 20 7946 0958", "Ctrl 3"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(app.typeEntry(expected[i].content));
        ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
        ASSERT_TRUE(app.waitForRowCount(static_cast<int>(i) + 1));
        EXPECT_EQ(app.list().selected(), static_cast<int>(i));
    }
    EXPECT_EQ(app.list().rows(), expected);

    // The same text in other letter case is not added again; the next new text is.
    ASSERT_TRUE(app.typeEntry("ANN.MILLER@Example.ORG"));
    ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
    ASSERT_TRUE(app.typeEntry("Flat 4, 12 High Street"));
    ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
    ASSERT_TRUE(waitUntil([&] {
        const auto count = app.list().count();
        return count && *count >= 4;
    }));
    auto withFourth = expected;
    withFourth.push_back({"4", "Flat 4, 12 High Street", "Ctrl 4"});
    EXPECT_EQ(app.list().rows(), withFourth);
    EXPECT_EQ(app.list().selected(), 3);
}

// A text pasted into the entry box is taken whole: a plain edit box stops at 32,767
// characters, and Add would store the cut text without a word.
TEST(SnippetList, TextPastedIntoTheEntryBoxIsAddedWholeBeyond32767Characters) {
    std::string text;
    for (int i = 0; text.size() < 40000; ++i) {
        text += "<" + std::to_string(i) + ">";
    }
    PastewiseApp app;
    ASSERT_TRUE(setClipboardText(text));
    // Wine may let go of Ctrl while the focus settles, which types a "v": paste again then.
    bool pasted = false;
    for (int attempt = 0; attempt < 3 && !pasted; ++attempt) {
        ASSERT_TRUE(app.typeEntry(""));
        ASSERT_TRUE(holdKeys({VK_CONTROL, 'V'}));
        pasted = waitUntil([&] { return app.entry() == text; }, milliseconds{2000});
        ASSERT_TRUE(releaseKeys({VK_CONTROL, 'V'}));
    }
    ASSERT_TRUE(pasted) << "the entry box holds " << app.entry().size() << " of " << text.size()
                        << " characters";
    ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
    ASSERT_TRUE(app.waitForRowCount(1));

    // The row holds all of it: the Edit item dialog shows it. Edit is enabled once the
    // program has been idle with the new row selected.
    ASSERT_TRUE(app.waitForEnabled(IDC_BUTTON_EDIT, true));
    ASSERT_TRUE(app.click(IDC_BUTTON_EDIT));
    const auto dialog = EditItemDialog::waitFor(app);
    ASSERT_TRUE(dialog) << "no Edit dialog after a click on Edit";
    const std::string content = dialog->content();
    EXPECT_EQ(content.size(), text.size());
    EXPECT_TRUE(content == text);
    ASSERT_TRUE(dialog->click(IDC_SETHOTKEY_CANCEL));
    ASSERT_TRUE(dialog->waitForClose());
}

using SnippetListCommands = ThreeSnippets;

TEST_F(SnippetListCommands, UpExchangesTwoRowsWhileTheHotkeysStayWithTheirPositions) {
    // Up is only available below the first row.
    ASSERT_TRUE(app.list().select(0));
    EXPECT_TRUE(app.waitForEnabled(IDC_BUTTON_UP, false));
    ASSERT_TRUE(app.list().select(1));
    ASSERT_TRUE(app.waitForEnabled(IDC_BUTTON_UP, true));
    ASSERT_TRUE(app.click(IDC_BUTTON_UP));

    const std::vector<ListRow> swapped{
        {"1", kTexts[1], "Ctrl 1"}, {"2", kTexts[0], "Ctrl 2"}, {"3", kTexts[2], "Ctrl 3"}};
    EXPECT_TRUE(waitUntil([&] { return app.list().rows() == swapped; }))
        << "rows: " << ::testing::PrintToString(app.list().rows());

    EXPECT_TRUE(pasteInNotepad('1', kTexts[1]));
    EXPECT_TRUE(pasteInNotepad('2', kTexts[1] + kTexts[0]));
}

TEST_F(SnippetListCommands, RemovingTheBottomRowReleasesItsHotkey) {
    ASSERT_TRUE(app.list().select(2));
    ASSERT_TRUE(app.waitForEnabled(IDC_BUTTON_REMOVE, true));
    ASSERT_TRUE(app.click(IDC_BUTTON_REMOVE));
    ASSERT_TRUE(app.waitForRowCount(2));
    EXPECT_EQ(app.list().rows(),
              (std::vector<ListRow>{{"1", kTexts[0], "Ctrl 1"}, {"2", kTexts[1], "Ctrl 2"}}));

    // Ctrl+3 no longer copies anything (the clipboard keeps what it held) nor pastes: after a
    // paste of row 1, notepad holds row 1's text alone.
    ASSERT_TRUE(setClipboardText("on the clipboard before"));
    ASSERT_TRUE(notepad.focus());
    ASSERT_TRUE(app.pressHotkey('3'));
    EXPECT_EQ(clipboardText(), "on the clipboard before");
    EXPECT_TRUE(pasteInNotepad('1', kTexts[0]));

    // Free for another program now, while the rows above keep theirs.
    const HotkeyReservation three('3');
    EXPECT_TRUE(three.held());
    const HotkeyReservation two('2');
    EXPECT_FALSE(two.held());
}

} // namespace
} // namespace e2e
