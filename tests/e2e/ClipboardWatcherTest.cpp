#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Notepad.h"
#include "PasteCheck.h"
#include "PastewiseApp.h"
#include "SharedState.h"
#include "TestFiles.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "platform/Product.h"

namespace e2e {
namespace {

// Ticks auto-copy and auto-add as a user does.
::testing::AssertionResult tickBoth(const PastewiseApp& app) {
    if (!app.setCheckBox(IDC_CHECK_AUTOCOPY, true) || !app.setCheckBox(IDC_CHECK_AUTOADD, true)) {
        return ::testing::AssertionFailure() << "cannot tick the auto-copy and auto-add boxes";
    }
    return ::testing::AssertionSuccess();
}

TEST(ClipboardAutoAdd, CopyInNotepadBecomesARowWithItsDefaultHotkeyButPastesAreNotAddedAgain) {
    PastewiseApp app;
    Notepad notepad;
    // Add keeps the blanks; a paste of this row puts them on the clipboard, where the watcher
    // would take the text without them, which is no row yet.
    const std::string padded = "  Kind regards, Ann  ";
    ASSERT_TRUE(app.addSnippet(padded));
    ASSERT_TRUE(tickBoth(app));

    const std::string copied = "Meeting moved to 10:30, room 4B";
    ASSERT_TRUE(setWindowText(notepad.edit(), "\t" + copied + "\r\n"));
    ASSERT_TRUE(notepad.copyAll()) << "the clipboard holds " << clipboardText().value_or("nothing");
    ASSERT_TRUE(app.waitForRowCount(2)) << "rows: " << ::testing::PrintToString(app.list().rows());
    EXPECT_EQ(app.list().row(1), (ListRow{"2", copied, "Ctrl 2"}));
    EXPECT_TRUE(app.waitForEntry(copied));
    EXPECT_EQ(app.list().selected(), 1);

    // The new row's hotkey pastes it; its own clipboard write adds nothing.
    ASSERT_TRUE(setWindowText(notepad.edit(), ""));
    EXPECT_TRUE(pasteInNotepad(app, notepad, '2', copied));
    ASSERT_TRUE(setWindowText(notepad.edit(), ""));
    EXPECT_TRUE(pasteInNotepad(app, notepad, '1', padded));
    EXPECT_EQ(clipboardText(), padded);
    EXPECT_TRUE(app.waitForEntry("Kind regards, Ann")) << "auto-copy still shows a paste";
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.list().rows(),
              (std::vector<ListRow>{{"1", padded, "Ctrl 1"}, {"2", copied, "Ctrl 2"}}));

    // A copy equal to a row but for the case of its letters shows, but is no new row.
    const std::string shouted = "MEETING MOVED TO 10:30, ROOM 4b";
    ASSERT_TRUE(setClipboardText(shouted));
    EXPECT_TRUE(app.waitForEntry(shouted));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.list().count(), 2);
    EXPECT_EQ(findMessageBox(app.processId(), pw::kMessageCaption), nullptr);

    // Once unticked, copies go nowhere.
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, false));
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOADD, false));
    ASSERT_TRUE(setClipboardText("copied with both boxes off"));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.entry(), shouted);
    EXPECT_EQ(app.list().count(), 2);
}

// Several scripts, an arrow and an emoji (a character beyond one UTF-16 unit): none of it is
// in the code page, and each character must come through the list, the paste and the files.
TEST(ClipboardAutoAdd, TextInEveryScriptIsAddedPastedAndKeptAsItIs) {
    const std::string text = "Привет → 😀 日本語 ελληνικά";
    const std::vector<ListRow> row{{"1", text, "Ctrl 1"}};
    {
        PastewiseApp app;
        Notepad notepad;
        ASSERT_TRUE(tickBoth(app));
        ASSERT_TRUE(setClipboardText(text));
        ASSERT_TRUE(app.waitForRowCount(1));
        EXPECT_EQ(app.list().rows(), row);
        EXPECT_TRUE(app.waitForEntry(text));

        ASSERT_TRUE(setWindowText(notepad.edit(), ""));
        EXPECT_TRUE(pasteInNotepad(app, notepad, '1', text));
        EXPECT_EQ(clipboardText(), text);
        // The program's own paste is no new copy, in any script.
        ASSERT_TRUE(app.waitForQueuedMessages());
        EXPECT_EQ(app.list().count(), 1);
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    PastewiseApp app(PastewiseApp::Settings::Keep);
    EXPECT_EQ(app.list().rows(), row);
}

TEST(ClipboardAutoCopy, EntryBoxShowsTheCopyTrimmedAndAddTakesItAsShown) {
    struct Case {
        const char* what;
        std::string copied;
        std::string shown;
    };
    const std::vector<Case> cases{
        {"blanks", "  two blanks each side  ", "two blanks each side"},
        {"line breaks and tabs", "\r\n\tDear team,\r\nsee you at ten.\r\n\r\n",
         "Dear team,\r\nsee you at ten."},
        {"control codes", std::string("\x01\x1f") + "codes 1 and 31 gone \x7f" + "\x1f\x20",
         "codes 1 and 31 gone \x7f"},
        {"nothing to trim", "x", "x"},
    };
    PastewiseApp app;
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, true));
    std::vector<ListRow> expected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(setClipboardText(c.copied));
        EXPECT_TRUE(app.waitForEntry(c.shown));
        ASSERT_TRUE(app.waitForQueuedMessages());
        ASSERT_EQ(app.list().count(), static_cast<int>(expected.size())) << "auto-add is off";
        // What Add takes is what the program holds, not only what the box displays.
        ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
        const int n = static_cast<int>(expected.size()) + 1;
        expected.push_back({std::to_string(n), c.shown, "Ctrl " + std::to_string(n)});
        ASSERT_TRUE(app.waitForRowCount(n));
        EXPECT_EQ(app.list().rows(), expected);
    }

    // Blanks only: the box is emptied, and Add has nothing to add.
    ASSERT_TRUE(setClipboardText(" \t\r\n "));
    EXPECT_TRUE(app.waitForEntry(""));
    ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
    EXPECT_EQ(app.list().rows(), expected);

    // A copy that is not text leaves the box as it is.
    ASSERT_TRUE(setClipboardText("last text"));
    ASSERT_TRUE(app.waitForEntry("last text"));
    ASSERT_TRUE(emptyClipboard());
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.entry(), "last text");
}

// About a megabyte in lines of different lengths.
std::string megabyteOfLines() {
    std::string text;
    for (int line = 1; text.size() < (1u << 20); ++line) {
        text += "line " + std::to_string(line) + ":" + std::string(line % 97, '-') + "|\r\n";
    }
    return text;
}

TEST(ClipboardAutoCopy, MegabyteOfLinesArrivesWholeAndItsRowPastesItWhole) {
    PastewiseApp app;
    Notepad notepad;
    ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, true));
    const std::string lines = megabyteOfLines();
    const std::string trimmed = lines.substr(0, lines.size() - 2);

    ASSERT_TRUE(setClipboardText("  " + lines + "\r\n"));
    ASSERT_TRUE(app.waitForEntry(trimmed, milliseconds{20000}));
    ASSERT_TRUE(app.click(IDC_BUTTON_ADD));
    ASSERT_TRUE(app.waitForRowCount(1));
    EXPECT_EQ(app.list().row(0)->hotkey, "Ctrl 1");

    // The row holds all of it: its hotkey puts it on the clipboard and pastes it. (The clipboard
    // is read only after notepad has pasted: while the driver holds it open, notepad's paste
    // finds it busy and pastes nothing.)
    ASSERT_TRUE(notepad.focus());
    ASSERT_TRUE(app.pressHotkey('1'));
    EXPECT_TRUE(
        waitUntil([&] { return notepad.text().size() == trimmed.size(); }, milliseconds{20000}))
        << "notepad holds " << notepad.text().size() << " characters";
    const auto onClipboard = clipboardText();
    ASSERT_TRUE(onClipboard.has_value());
    EXPECT_EQ(onClipboard->size(), trimmed.size());
    EXPECT_TRUE(*onClipboard == trimmed) << "the pasted text differs from the copied one";
}

TEST(ClipboardPrivacy, ContentMarkedNotToBeRecordedIsNeitherShownNorAdded) {
    PastewiseApp app;
    ASSERT_TRUE(tickBoth(app));
    ASSERT_TRUE(setClipboardText("ordinary copy before"));
    ASSERT_TRUE(app.waitForEntry("ordinary copy before"));
    ASSERT_TRUE(app.waitForRowCount(1));

    const std::string secret = "correct horse battery staple";
    std::vector<ListRow> expected{{"1", "ordinary copy before", "Ctrl 1"}};
    for (const char* mark :
         {"ExcludeClipboardContentFromMonitorProcessing", "Clipboard Viewer Ignore"}) {
        SCOPED_TRACE(mark);
        ASSERT_TRUE(setMarkedClipboardText("  " + secret + "  ", mark));
        ASSERT_EQ(clipboardText(), "  " + secret + "  ");
        // The clipboard's notification reaches the program before this marker.
        ASSERT_TRUE(app.waitForQueuedMessages());
        EXPECT_EQ(app.entry(), expected.back().content);
        EXPECT_EQ(app.list().rows(), expected);

        // The watcher was live all along: the next ordinary copy arrives.
        const std::string after = std::string("ordinary copy after ") + mark;
        ASSERT_TRUE(setClipboardText(after));
        EXPECT_TRUE(app.waitForEntry(after));
        const int n = static_cast<int>(expected.size()) + 1;
        expected.push_back({std::to_string(n), after, "Ctrl " + std::to_string(n)});
        EXPECT_TRUE(app.waitForRowCount(n));
        EXPECT_EQ(app.list().rows(), expected);
    }
}

TEST(ClipboardBoxes, StatesAreKeptInTheSettingsAndAutoAddTakesTheClipboardAtStart) {
    {
        PastewiseApp app;
        EXPECT_EQ(sendTo(app.control(IDC_CHECK_AUTOCOPY), BM_GETCHECK), BST_UNCHECKED);
        EXPECT_EQ(sendTo(app.control(IDC_CHECK_AUTOADD), BM_GETCHECK), BST_UNCHECKED);
        ASSERT_TRUE(tickBoth(app));
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    const auto settings = readFileBytes(PastewiseApp::settingsFile());
    ASSERT_TRUE(settings.has_value());
    EXPECT_NE(settings->find("[Copy]\r\nEnable=1\r\n"), std::string::npos) << *settings;
    EXPECT_NE(settings->find("[AutoAdd]\r\nEnable=1\r\n"), std::string::npos) << *settings;

    // Joining the chain at start-up reads what the clipboard holds then (the check boxes show
    // their states only after that, so only auto-add takes it).
    const std::string waiting = "waiting on the clipboard";
    const std::string later = "copied after the start";
    ASSERT_TRUE(setClipboardText("\r\n" + waiting + "\r\n"));
    {
        PastewiseApp app(PastewiseApp::Settings::Keep);
        EXPECT_EQ(sendTo(app.control(IDC_CHECK_AUTOCOPY), BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(sendTo(app.control(IDC_CHECK_AUTOADD), BM_GETCHECK), BST_CHECKED);
        ASSERT_TRUE(app.waitForRowCount(1));
        EXPECT_EQ(app.list().row(0), (ListRow{"1", waiting, "Ctrl 1"}));
        ASSERT_TRUE(setClipboardText(later));
        EXPECT_TRUE(app.waitForEntry(later));
        ASSERT_TRUE(app.waitForRowCount(2));
        EXPECT_EQ(app.list().row(1), (ListRow{"2", later, "Ctrl 2"}));

        ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOCOPY, false));
        ASSERT_TRUE(app.setCheckBox(IDC_CHECK_AUTOADD, false));
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    const auto unticked = readFileBytes(PastewiseApp::settingsFile());
    ASSERT_TRUE(unticked.has_value());
    EXPECT_NE(unticked->find("[Copy]\r\nEnable=0\r\n"), std::string::npos) << *unticked;
    EXPECT_NE(unticked->find("[AutoAdd]\r\nEnable=0\r\n"), std::string::npos) << *unticked;

    // Started again with both off, the clipboard is left alone.
    ASSERT_TRUE(setClipboardText("not to be taken"));
    PastewiseApp app(PastewiseApp::Settings::Keep);
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.entry(), "");
    EXPECT_EQ(app.list().rows(),
              (std::vector<ListRow>{{"1", waiting, "Ctrl 1"}, {"2", later, "Ctrl 2"}}));
}

} // namespace
} // namespace e2e
