#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "FileDialog.h"
#include "Notepad.h"
#include "PasteCheck.h"
#include "PastewiseApp.h"
#include "SharedState.h"
#include "StoredFiles.h"
#include "TestFiles.h"
#include "WindowQuery.h"

namespace e2e {
namespace {

TEST(SettingsFile, StoredListComesBackDecodedWithItsNumbersAndHotkeys) {
    // The second content is kept with its blanks, the third has none and is no row.
    ASSERT_TRUE(PastewiseApp::writeSettingsFile("[Copy]\r\nEnable=0\r\n"
                                                "[AutoAdd]\r\nEnable=0\r\n"
                                                "[AlwaysOnTop]\r\nEnable=0\r\n"
                                                "[Configuration]\r\nFileName=\r\n"
                                                "[ClipStringList]\r\n"
                                                "Count=4\r\n"
                                                "0=%PW%Dear team,%0D%0Asee you at ten.\r\n"
                                                "1=%PW%%20%20two blanks each side%20%20\r\n"
                                                "2=\r\n"
                                                "3=Price: 50% off\r\n"
                                                "[IndexList]\r\n0=7\r\n1=8\r\n2=9\r\n3=12\r\n"
                                                "[HotkeyList]\r\n"
                                                "0=Ctrl 1\r\n1=\r\n2=Ctrl 5\r\n3=Ctrl 3\r\n"));
    PastewiseApp app(PastewiseApp::Settings::Keep);
    Notepad notepad;

    const std::vector<ListRow> expected{{"7", "Dear team,\r\nsee you at ten.", "Ctrl 1"},
                                        {"8", "  two blanks each side  ", ""},
                                        {"12", "Price: 50% off", "Ctrl 3"}};
    EXPECT_EQ(app.list().rows(), expected);
    EXPECT_EQ(app.caption(), baseCaption());

    EXPECT_TRUE(pasteInNotepad(app, notepad, '1', expected[0].content));
    EXPECT_TRUE(pasteInNotepad(app, notepad, '3', expected[0].content + expected[2].content));
    // Neither the row without a hotkey nor the dropped one took a combination.
    const HotkeyReservation two('2');
    EXPECT_TRUE(two.held());
    const HotkeyReservation five('5');
    EXPECT_TRUE(five.held());
}

// The list read from `source.pwc` below, with a row added: a content with a line break and a
// "%", one with a blank at each end, one in quotes, one with a leading blank, one with a "%".
const std::vector<ListRow> kRoundTripRows{{"1", "Dear team,\r\n50% off today.", "Ctrl 7"},
                                          {"2", " single blank each side ", ""},
                                          {"3", "\"quoted\"", "Ctrl 9"},
                                          {"4", " leading blank", ""},
                                          {"5", "100% sure", "Ctrl 5"}};

TEST(SettingsFile, ExitWritesEveryKeyAndTheNextStartsBringTheListBack) {
    const auto folder = ScratchFolder::forThisTest();
    const std::string source = folder.file("source.pwc");
    const std::string saved = folder.file("saved.pwc");
    // Escaped differently from the way the program writes them, so that what it writes shows
    // its own encoding.
    ASSERT_TRUE(writeFileBytes(source, configurationFile({
                                           {"1", "%PW%Dear team,%0d%0a50%25 off today.", "Ctrl 7"},
                                           {"2", "%PW%%20single%20blank each side%20", ""},
                                           {"3", "%PW%\"quoted\"", "Ctrl 9"},
                                           {"4", " leading blank", ""},
                                       })));
    Notepad notepad;
    // Done with coming up, so that it does not take the focus from the program's menu.
    ASSERT_TRUE(notepad.focus());
    StoredPlacement placement;
    {
        PastewiseApp app;
        ASSERT_TRUE(app.chooseFromMainMenu('L'));
        ASSERT_TRUE(FileDialog::chooseIn(app, source));
        ASSERT_TRUE(app.waitForCaption(documentCaption("source.pwc")))
            << "caption: " << app.caption();
        ASSERT_TRUE(app.addSnippet(kRoundTripRows[4].content));
        ASSERT_EQ(app.list().rows(), kRoundTripRows);

        ASSERT_TRUE(app.chooseFromMainMenu('V'));
        ASSERT_TRUE(FileDialog::chooseIn(app, saved));
        ASSERT_TRUE(app.waitForCaption(documentCaption("saved.pwc")))
            << "caption: " << app.caption();
        // A configuration file escapes what its reader would lose: line breaks and trailing
        // blanks, not leading blanks or quotes.
        EXPECT_EQ(readFileBytes(saved),
                  configurationFile({{"1", "%PW%Dear team,%0D%0A50%25 off today.", "Ctrl 7"},
                                     {"2", "%PW%%20single blank each side%20", ""},
                                     {"3", "\"quoted\"", "Ctrl 9"},
                                     {"4", " leading blank", ""},
                                     {"5", "100% sure", "Ctrl 5"}}));

        RECT bounds{};
        ASSERT_TRUE(GetWindowRect(app.mainWindow(), &bounds));
        placement = {
            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, false,
            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }

    // Written anew: every key in order. The settings file also escapes blanks at the start
    // and enclosing quotes, which its reader would take off.
    const auto written = readFileBytes(PastewiseApp::settingsFile());
    EXPECT_EQ(written, newSettingsFile(saved,
                                       {{"1", "%PW%Dear team,%0D%0A50%25 off today.", "Ctrl 7"},
                                        {"2", "%PW%%20single blank each side%20", ""},
                                        {"3", "%PW%\"quoted\"", "Ctrl 9"},
                                        {"4", "%PW%%20leading blank", ""},
                                        {"5", "100% sure", "Ctrl 5"}},
                                       placement));
    ASSERT_TRUE(written);
    EXPECT_GT(placement.width, 200);
    EXPECT_GT(placement.height, 200);

    // The next start opens the configuration file named there, in the same place.
    {
        PastewiseApp app(PastewiseApp::Settings::Keep);
        EXPECT_EQ(app.caption(), documentCaption("saved.pwc"));
        EXPECT_EQ(app.list().rows(), kRoundTripRows);
        EXPECT_TRUE(pasteInNotepad(app, notepad, '7', kRoundTripRows[0].content));
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    EXPECT_EQ(readFileBytes(PastewiseApp::settingsFile()), written);

    // Without a configuration file the rows come from the settings file itself: the same list.
    std::string withoutFile = *written;
    const std::string fileNameLine = "\r\nFileName=" + saved + "\r\n";
    const size_t at = withoutFile.find(fileNameLine);
    ASSERT_NE(at, std::string::npos);
    withoutFile.replace(at, fileNameLine.size(), "\r\nFileName=\r\n");
    ASSERT_TRUE(PastewiseApp::writeSettingsFile(withoutFile));
    ASSERT_TRUE(DeleteFileA(saved.c_str()));
    ASSERT_TRUE(DeleteFileA(source.c_str()));
    {
        PastewiseApp app(PastewiseApp::Settings::Keep);
        EXPECT_EQ(app.caption(), baseCaption());
        EXPECT_EQ(app.list().rows(), kRoundTripRows);
        ASSERT_TRUE(setWindowText(notepad.edit(), ""));
        EXPECT_TRUE(pasteInNotepad(app, notepad, '7', kRoundTripRows[0].content));
        EXPECT_TRUE(pasteInNotepad(app, notepad, '9',
                                   kRoundTripRows[0].content + kRoundTripRows[2].content));
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    EXPECT_EQ(readFileBytes(PastewiseApp::settingsFile()), withoutFile);
}

// The text as Notepad saves "Unicode": little-endian UTF-16 after its byte-order mark.
std::string unicodeFile(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(SettingsFile, AUnicodeFileIsReadAsUnicodeAndWrittenBackAsUnicode) {
    ASSERT_TRUE(PastewiseApp::writeSettingsFile(
        unicodeFile(u"[ClipStringList]\r\nCount=2\r\n0=caf\u00e9\r\n1=\u20ac 5\r\n"
                    u"[IndexList]\r\n0=1\r\n1=2\r\n[Extra]\r\nnote=\u65e5\u672c\r\n")));
    {
        PastewiseApp app(PastewiseApp::Settings::Keep);
        EXPECT_EQ(app.list().rows(), (std::vector<ListRow>{{"1", "café", ""}, {"2", "€ 5", ""}}));
        ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    }
    const auto written = readFileBytes(PastewiseApp::settingsFile());
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->starts_with(unicodeFile(u"[ClipStringList]\r\nCount=2\r\n")));
    EXPECT_NE(written->find(unicodeFile(u"\r\n0=caf\u00e9\r\n1=\u20ac 5\r\n").substr(2)),
              std::string::npos);
    // A key the program does not know keeps what the code page has no room for.
    EXPECT_NE(written->find(unicodeFile(u"\r\nnote=\u65e5\u672c\r\n").substr(2)),
              std::string::npos);
}

} // namespace
} // namespace e2e
