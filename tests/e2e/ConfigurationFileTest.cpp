#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "FileDialog.h"
#include "Input.h"
#include "Notepad.h"
#include "PasteCheck.h"
#include "PastewiseApp.h"
#include "ProgramBox.h"
#include "SharedState.h"
#include "StoredFiles.h"
#include "TestFiles.h"
#include "WindowQuery.h"

namespace e2e {
namespace {

// Presses Ctrl+S in the main window as a user does, holding the keys until `done` holds.
// The keyboard focus is put into the entry box first and proved there by a typed character;
// Wine may still let go of the Ctrl key while the focus settles, which types an "s" into the
// entry box instead, so the press is tried again then.
template <class Condition>
::testing::AssertionResult pressCtrlS(const PastewiseApp& app, Condition done) {
    constexpr int kAttempts = 3;
    constexpr milliseconds kAttemptTimeout{2000};
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (auto typed = app.typeEntry("x"); !typed) {
            return typed;
        }
        const bool held = holdKeys({VK_CONTROL, 'S'});
        const bool handled = held && waitUntil(done, kAttemptTimeout);
        if (!releaseKeys({VK_CONTROL, 'S'}) || !held) {
            return ::testing::AssertionFailure() << "SendInput failed";
        }
        if (handled) {
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure() << "Ctrl+S pressed " << kAttempts
                                         << " times, nothing happened; caption " << app.caption();
}

// Holds the combination down with the keyboard focus in the entry box, then types a "." behind
// it: once the "." shows, the program has handled the combination, which typed nothing. Wine may
// let go of a modifier while the focus settles, which types the letter instead; the press is
// made again then.
::testing::AssertionResult pressInEntryBox(const PastewiseApp& app,
                                           std::initializer_list<WORD> keys) {
    constexpr int kAttempts = 3;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (auto typed = app.typeEntry("x"); !typed) {
            return typed;
        }
        const bool held = holdKeys(keys);
        const bool handled = held && app.waitForQueuedMessages();
        if (!releaseKeys(keys) || !held || !typeText(L".")) {
            return ::testing::AssertionFailure() << "SendInput failed";
        }
        const bool dotShown = waitUntil([&] { return app.entry().ends_with('.'); });
        if (handled && dotShown && app.entry() == "x.") {
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure() << describeKeys(keys) << " pressed " << kAttempts
                                         << " times, the entry box shows \"" << app.entry() << "\"";
}

TEST(ConfigurationFile, SaveAsAddsTheExtensionWritesTheListAndAsksBeforeOverwriting) {
    const auto folder = ScratchFolder::forThisTest();
    PastewiseApp app;
    ASSERT_TRUE(app.addSnippet("Kind regards, Ann Miller"));
    ASSERT_TRUE(app.addSnippet("ann.miller@example.org"));
    // Without a document, changes are not marked.
    EXPECT_EQ(app.caption(), baseCaption());

    // A name typed without extension gets ".pwc".
    const std::string path = folder.file("contacts.pwc");
    ASSERT_TRUE(app.chooseFromMainMenu('V'));
    ASSERT_TRUE(FileDialog::chooseIn(app, folder.file("contacts")));
    EXPECT_TRUE(app.waitForCaption(documentCaption("contacts.pwc")))
        << "caption: " << app.caption();
    const std::string twoRows = configurationFile(
        {{"1", "Kind regards, Ann Miller", "Ctrl 1"}, {"2", "ann.miller@example.org", "Ctrl 2"}});
    EXPECT_EQ(readFileBytes(path), twoRows);
    EXPECT_FALSE(fileExists(folder.file("contacts")));
    EXPECT_FALSE(fileExists(path + ".~pw"));

    ASSERT_TRUE(app.addSnippet("+44 20 7946 0958"));
    EXPECT_TRUE(app.waitForCaption(documentCaption("contacts.pwc*")))
        << "caption: " << app.caption();

    // Saving onto the file again asks first; No writes nothing and keeps the change mark.
    const std::string overwrite = path + " has existed,overite it?";
    ASSERT_TRUE(app.chooseFromMainMenu('V'));
    ASSERT_TRUE(FileDialog::chooseIn(app, folder.file("contacts")));
    EXPECT_TRUE(answerProgramBox(app, overwrite, BoxButtons::YesNoDefaultNo, IDNO));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.caption(), documentCaption("contacts.pwc*"));
    EXPECT_EQ(readFileBytes(path), twoRows);

    // Yes writes it.
    ASSERT_TRUE(app.chooseFromMainMenu('V'));
    ASSERT_TRUE(FileDialog::chooseIn(app, path));
    EXPECT_TRUE(answerProgramBox(app, overwrite, BoxButtons::YesNoDefaultNo, IDYES));
    EXPECT_TRUE(app.waitForCaption(documentCaption("contacts.pwc")))
        << "caption: " << app.caption();
    const std::string threeRows = configurationFile({{"1", "Kind regards, Ann Miller", "Ctrl 1"},
                                                     {"2", "ann.miller@example.org", "Ctrl 2"},
                                                     {"3", "+44 20 7946 0958", "Ctrl 3"}});
    EXPECT_EQ(readFileBytes(path), threeRows);
    EXPECT_FALSE(fileExists(path + ".~pw"));

    // Ctrl+S writes a changed list to its file.
    ASSERT_TRUE(app.addSnippet("Flat 4, 12 High Street"));
    ASSERT_TRUE(app.waitForCaption(documentCaption("contacts.pwc*")));
    EXPECT_TRUE(pressCtrlS(app, [&] { return app.caption() == documentCaption("contacts.pwc"); }));
    const std::string fourRows = configurationFile({{"1", "Kind regards, Ann Miller", "Ctrl 1"},
                                                    {"2", "ann.miller@example.org", "Ctrl 2"},
                                                    {"3", "+44 20 7946 0958", "Ctrl 3"},
                                                    {"4", "Flat 4, 12 High Street", "Ctrl 4"}});
    EXPECT_EQ(readFileBytes(path), fourRows);

    // Only ".pwc" in lower case counts as the extension.
    ASSERT_TRUE(app.chooseFromMainMenu('V'));
    ASSERT_TRUE(FileDialog::chooseIn(app, folder.file("copy.PWC")));
    EXPECT_TRUE(app.waitForCaption(documentCaption("copy.PWC.pwc")))
        << "caption: " << app.caption();
    EXPECT_EQ(readFileBytes(folder.file("copy.PWC.pwc")), fourRows);
    EXPECT_FALSE(fileExists(folder.file("copy.PWC")));
}

TEST(ConfigurationFile, LoadReplacesTheListAndItsHotkeysAndAMissingFileIsReported) {
    const auto folder = ScratchFolder::forThisTest();
    const std::string shared = folder.file("shared.pwc");
    ASSERT_TRUE(
        writeFileBytes(shared, configurationFile({{"1", "%PW%Line one%0D%0ALine two", "Ctrl 4"},
                                                  {"2", "  indented text", ""},
                                                  {"3", "last one", "Ctrl 6"}})));
    PastewiseApp app;
    Notepad notepad;
    // Done with coming up, so that it does not take the focus from the program's menu.
    ASSERT_TRUE(notepad.focus());
    ASSERT_TRUE(app.addSnippet("to be replaced"));

    // Without a document a list with rows is still asked about, naming no file.
    ASSERT_TRUE(app.chooseFromMainMenu('L'));
    EXPECT_TRUE(
        answerProgramBox(app, "Do you want to save changes to ", BoxButtons::YesNoCancel, IDNO));
    ASSERT_TRUE(FileDialog::chooseIn(app, shared));
    EXPECT_TRUE(app.waitForCaption(documentCaption("shared.pwc"))) << "caption: " << app.caption();
    const std::vector<ListRow> loaded{{"1", "Line one\r\nLine two", "Ctrl 4"},
                                      {"2", "  indented text", ""},
                                      {"3", "last one", "Ctrl 6"}};
    EXPECT_EQ(app.list().rows(), loaded);

    EXPECT_TRUE(pasteInNotepad(app, notepad, '4', loaded[0].content));
    EXPECT_TRUE(pasteInNotepad(app, notepad, '6', loaded[0].content + loaded[2].content));
    {
        const HotkeyReservation one('1');
        EXPECT_TRUE(one.held()) << "the replaced row's hotkey is still taken";
    }

    // A path where there is no file: reported; the list and its hotkeys are gone, the
    // caption stays. An unchanged document is not asked about.
    const std::string missing = folder.file("missing.pwc");
    ASSERT_TRUE(app.chooseFromMainMenu('L'));
    ASSERT_TRUE(FileDialog::chooseIn(app, missing));
    EXPECT_TRUE(answerProgramBox(app, "File does not exist: " + missing, BoxButtons::Ok, IDOK));
    ASSERT_TRUE(app.waitForRowCount(0));
    EXPECT_EQ(app.caption(), documentCaption("shared.pwc"));
    const HotkeyReservation four('4');
    EXPECT_TRUE(four.held());
    const HotkeyReservation six('6');
    EXPECT_TRUE(six.held());
}

// Only exactly Ctrl+S saves: Ctrl+Shift+S and AltGr+S (Ctrl+Alt+S, a letter on many keyboards)
// go on to the focused control.
TEST(ConfigurationFile, OnlyExactlyCtrlSSavesTheChangedList) {
    const auto folder = ScratchFolder::forThisTest();
    const std::string path = folder.file("notes.pwc");
    const std::string oneRow = configurationFile({{"1", "first entry", "Ctrl 1"}});
    ASSERT_TRUE(writeFileBytes(path, oneRow));
    ASSERT_TRUE(PastewiseApp::writeSettingsFile("[Configuration]\r\nFileName=" + path + "\r\n"));
    PastewiseApp app(PastewiseApp::Settings::Keep);
    ASSERT_EQ(app.caption(), documentCaption("notes.pwc"));
    ASSERT_TRUE(app.addSnippet("second entry"));
    ASSERT_TRUE(app.waitForCaption(documentCaption("notes.pwc*")));

    EXPECT_TRUE(pressInEntryBox(app, {VK_CONTROL, VK_SHIFT, 'S'}));
    EXPECT_EQ(app.caption(), documentCaption("notes.pwc*"));
    EXPECT_TRUE(pressInEntryBox(app, {VK_CONTROL, VK_MENU, 'S'}));
    EXPECT_EQ(app.caption(), documentCaption("notes.pwc*"));
    EXPECT_EQ(readFileBytes(path), oneRow);

    EXPECT_TRUE(pressCtrlS(app, [&] { return app.caption() == documentCaption("notes.pwc"); }));
    EXPECT_EQ(readFileBytes(path),
              configurationFile({{"1", "first entry", "Ctrl 1"}, {"2", "second entry", "Ctrl 2"}}));
}

// A file name and a row outside the code page: the dialog takes the name, the caption shows it,
// saving writes the file under it, the settings keep it for the next start, and a message about
// a missing file names it as it is.
TEST(ConfigurationFile, AFileNamedOutsideTheCodePageIsLoadedSavedAndOpenedAgain) {
    const auto folder = ScratchFolder::forThisTest();
    const std::string name = "список 日本.pwc";
    const std::string path = folder.file(name);
    ASSERT_TRUE(writeFileBytes(path, configurationFile({{"1", "plain first row", "Ctrl 1"}})));
    const std::vector<StoredRow> saved{{"1", "plain first row", "Ctrl 1"},
                                       {"2", "Ещё строка ✓", "Ctrl 2"}};
    const std::vector<ListRow> rows{{"1", "plain first row", "Ctrl 1"},
                                    {"2", "Ещё строка ✓", "Ctrl 2"}};
    {
        PastewiseApp app;
        ASSERT_TRUE(app.chooseFromMainMenu('L'));
        ASSERT_TRUE(FileDialog::chooseIn(app, path));
        EXPECT_TRUE(app.waitForCaption(documentCaption(name))) << "caption: " << app.caption();
        EXPECT_EQ(app.list().rows(), std::vector<ListRow>(rows.begin(), rows.begin() + 1));

        ASSERT_TRUE(app.addSnippet(rows[1].content));
        ASSERT_TRUE(app.waitForCaption(documentCaption(name + "*")));
        EXPECT_TRUE(pressCtrlS(app, [&] { return app.caption() == documentCaption(name); }));
        EXPECT_EQ(readFileBytes(path), unicodeConfigurationFile(saved));
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    PastewiseApp app(PastewiseApp::Settings::Keep);
    EXPECT_EQ(app.caption(), documentCaption(name));
    EXPECT_EQ(app.list().rows(), rows);

    const std::string missing = folder.file("нет 日本.pwc");
    ASSERT_TRUE(app.chooseFromMainMenu('L'));
    ASSERT_TRUE(FileDialog::chooseIn(app, missing));
    EXPECT_TRUE(answerProgramBox(app, "File does not exist: " + missing, BoxButtons::Ok, IDOK));
}

} // namespace
} // namespace e2e
