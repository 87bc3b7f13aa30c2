#include "app/TfrmMain.h"
#include "persistence/ProfileFile.h"
#include "persistence/PwcFormat.h"
#include "persistence/Folders.h"
#include "persistence/SettingsFile.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace pw {
namespace {

using test::FileOf;
using test::kSettingsPath;
using test::Strings;

const std::string kBase = "Orvane Pastewise 2.2";

std::string Value(test::FakeDesktop& desktop, const char* section, const char* key) {
    return ProfileFile::Parse(desktop.files[kSettingsPath]).GetString(section, key, "(none)");
}

TEST(SettingsFileTest, FirstStartTakesTheDefaultsAndExitWritesEveryKeyInOrder) {
    test::FakeDesktop desktop;
    test::ProgramRun run(desktop);
    EXPECT_TRUE(run.site.centred);
    EXPECT_EQ(run.site.placement,
              ui::WindowPlacement({{342, 192, 529, 516}, false, {342, 192, 529, 516}}));
    EXPECT_EQ(run.frm.CurrentSettings().optionsHotkeys,
              (OptionsHotkeys{"Ctrl 1", "Ctrl 2", "Ctrl 3", "Ctrl 4", "Ctrl 5", "Ctrl 6", "Ctrl 7",
                              "Ctrl 8", "Ctrl 9", "Ctrl 0"}));
    EXPECT_EQ(run.frm.Caption(), kBase);
    EXPECT_EQ(run.frm.ListView1.RowCount(), 0);
    EXPECT_TRUE(desktop.messages.empty());

    for (const char* text : {"first", "second"})
        AddSnippet(run.frm.List(), text);
    run.frm.cbAutoAdd.SetChecked(true);
    // Maximized from these bounds, which the window keeps to go back to.
    run.site.bounds = {100, 50, 600, 480};
    run.frm.SystemCommand(ui::SystemCommand::Maximize, 0, [&run] {
        run.site.placement = {{0, 0, 1920, 1040}, true, {100, 50, 600, 480}};
    });
    ASSERT_TRUE(run.Exit());

    const ProfileFile file = ProfileFile::Parse(desktop.files[kSettingsPath]);
    Strings entries;
    for (const std::string& section : file.SectionNames())
        for (const std::string& key : file.KeyNames(section))
            entries.push_back(section + "/" + key + "=" + *file.Find(section, key));
    Strings expected = {"Copy/Enable=0", "AutoAdd/Enable=1", "AlwaysOnTop/Enable=0",
                        "Configuration/FileName="};
    for (int i = 0; i < 10; ++i)
        expected.push_back("OptionsHotkey/" + std::to_string(i) + "=Ctrl " +
                           std::to_string((i + 1) % 10));
    for (const char* e :
         {"ClipStringList/Count=2", "ClipStringList/0=first", "ClipStringList/1=second",
          "IndexList/0=1", "IndexList/1=2", "HotkeyList/0=Ctrl 1", "HotkeyList/1=Ctrl 2",
          "WindowsPosition/Left=0", "WindowsPosition/Top=0", "WindowsPosition/Width=1920",
          "WindowsPosition/Height=1040", "WindowsPosition/Maximized=1",
          "WindowsPosition/NormalLeft=100", "WindowsPosition/NormalTop=50",
          "WindowsPosition/NormalWidth=600", "WindowsPosition/NormalHeight=480"})
        expected.push_back(e);
    EXPECT_EQ(entries, expected);

    test::ProgramRun next(desktop);
    EXPECT_FALSE(next.site.centred);
    EXPECT_EQ(next.site.placement, run.site.placement);
    EXPECT_TRUE(next.frm.CurrentSettings().autoAdd);
}

TEST(SettingsFileTest, TheListComesBackByTheConfigurationFile) {
    const std::string b = "C:\\d\\b.pwc";
    const auto stored = [](const std::string& fileName) { // the middle row has no content
        return FileOf({"[Configuration]", "FileName=" + fileName, "[ClipStringList]", "Count=3",
                       "0=alpha", "1=", "2=gamma", "[IndexList]", "0=7", "1=8", "2=9",
                       "[HotkeyList]", "0=Ctrl 5", "1=Ctrl 6", "2=Ctrl 7", "[WindowsPosition]",
                       "Left=10"});
    };
    struct Case {
        std::string fileName;
        Strings contents;
        std::string caption;
        Strings messages;
        std::size_t registered;
    };
    const Case cases[] = {
        {"", {"alpha", "gamma"}, kBase, {}, 2},
        {"Untitled", {}, kBase + " - [Untitled]", {}, 0},
        {"untitled", {}, kBase, {"File does not exist: untitled"}, 0},
        {"C:\\d\\gone.pwc", {}, kBase, {"File does not exist: C:\\d\\gone.pwc"}, 0},
        {b, {"b1", "b2"}, kBase + " - [b.pwc]", {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        test::FakeDesktop desktop;
        desktop.files[kSettingsPath] = stored(c.fileName);
        desktop.files[b] =
            SerializeConfiguration(std::vector<PwcEntry>{{"1", "b1", "Alt 1"}, {"", "b2", ""}});
        test::ProgramRun run(desktop);

        EXPECT_EQ(run.Contents(), c.contents);
        EXPECT_EQ(run.frm.Caption(), c.caption);
        EXPECT_EQ(run.frm.CurrentConfigurationFile(), c.fileName);
        EXPECT_EQ(run.Messages(), c.messages);
        EXPECT_EQ(run.site.placement.bounds.left, 10); // read after every branch
        EXPECT_EQ(desktop.registered.size(), c.registered);
        EXPECT_EQ(run.frm.Hotkeys().Records().Count(), c.registered);
    }
    // Without a document the cells come back as stored; the dropped row
    // registers nothing and takes no position.
    test::FakeDesktop desktop;
    desktop.files[kSettingsPath] = stored("");
    test::ProgramRun run(desktop);
    EXPECT_EQ(run.Column(SnippetTable::kNumberColumn), (Strings{"7", "9"}));
    EXPECT_EQ(run.Column(SnippetTable::kHotkeyColumn), (Strings{"Ctrl 5", "Ctrl 7"}));
    EXPECT_FALSE(desktop.IdOf(kModControl, '6'));
    const auto& records = run.frm.Hotkeys().Records().Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].Index, 2);
    EXPECT_EQ(desktop.IdOf(kModControl, '7'), records[1].HotkeyId);
}

TEST(SettingsFileTest, RefusedStoredHotkeysAreReportedOnceAndNoRowIsLost) {
    test::FakeDesktop desktop;
    desktop.files[kSettingsPath] =
        FileOf({"[ClipStringList]", "Count=4", "0=a", "1=b", "2=c", "3=d", "[HotkeyList]",
                "0=Ctrl 5", "1=Ctrl 6", "2=Ctrl 7", "3=Ctrl 8", "[WindowsPosition]", "Top=20"});
    desktop.heldElsewhere = {{kModControl, '6'}, {kModControl, '8'}};
    test::ProgramRun run(desktop);

    EXPECT_EQ(run.Contents(), (Strings{"a", "b", "c", "d"}));
    EXPECT_EQ(run.Column(SnippetTable::kHotkeyColumn),
              (Strings{"Ctrl 5", "Ctrl 6", "Ctrl 7", "Ctrl 8"}));
    EXPECT_EQ(desktop.registered.size(), 2u);
    EXPECT_TRUE(desktop.IdOf(kModControl, '7'));
    EXPECT_EQ(run.Messages(),
              Strings{"Hotkey setting failed, please try changing to another key!"});
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(run.site.placement.bounds.top, 20);
    ASSERT_TRUE(run.Exit());
    EXPECT_EQ(Value(desktop, "ClipStringList", "3"), "d");
}

TEST(SettingsFileTest, AShorterListLeavesTheOldRowKeysBehindItsCount) {
    test::FakeDesktop desktop;
    for (int rows : {5, 2}) {
        test::ProgramRun run(desktop);
        for (const std::string& text : test::Texts(5))
            AddSnippet(run.frm.List(), text); // refused when already there
        while (run.frm.ListView1.RowCount() > rows) {
            run.frm.ListView1.Select(run.frm.ListView1.RowCount() - 1);
            run.frm.aRemoveExecute();
        }
        ASSERT_TRUE(run.Exit());
    }
    const ProfileFile file = ProfileFile::Parse(desktop.files[kSettingsPath]);
    EXPECT_EQ(file.GetString("ClipStringList", "Count", ""), "2");
    EXPECT_EQ(file.KeyNames("ClipStringList"), (Strings{"Count", "0", "1", "2", "3", "4"}));
    EXPECT_EQ(file.KeyNames("IndexList").size(), 5u);
    EXPECT_EQ(file.KeyNames("HotkeyList").size(), 5u);
    EXPECT_EQ(file.GetString("ClipStringList", "4", ""), "t5");
    test::ProgramRun third(desktop);
    EXPECT_EQ(third.Contents(), test::Texts(2));
}

TEST(SettingsFileTest, ValuesAreReadByTheirRulesAndUnknownLinesSurvive) {
    test::FakeDesktop desktop;
    desktop.files[kSettingsPath] =
        FileOf({"; kept", "[Copy]", "Enable=7", "Colour=red", "[AutoAdd]", "Enable=abc",
                "[alwaysontop]", "enable=1", "[OptionsHotkey]", "3=Alt F4", "[Extra]", "key=value",
                "[WindowsPosition]", "Left=0x10", "Width=wide", "Maximized=-1"});
    test::ProgramRun run(desktop);
    const Settings& s = run.frm.CurrentSettings();
    EXPECT_TRUE(s.autoCopy);
    EXPECT_FALSE(s.autoAdd);
    EXPECT_TRUE(s.alwaysOnTop);
    EXPECT_EQ(s.optionsHotkeys[3], "Alt F4");
    EXPECT_EQ(s.optionsHotkeys[4], "Ctrl 5");
    EXPECT_EQ(run.site.placement,
              ui::WindowPlacement({{16, 192, 529, 516}, true, {342, 192, 529, 516}}));

    ASSERT_TRUE(run.Exit());
    EXPECT_TRUE(
        desktop.files[kSettingsPath].starts_with("; kept\r\n[Copy]\r\nEnable=1\r\nColour=red\r\n"));
    EXPECT_EQ(Value(desktop, "Extra", "key"), "value");
    EXPECT_EQ(Value(desktop, "OptionsHotkey", "3"), "Alt F4");
}

TEST(SettingsFileTest, EveryContentComesBackByteForByte) {
    std::string longText;
    for (int i = 0; i < 5000; ++i)
        longText += static_cast<char>(' ' + i % 95);
    // clang-format off
    const Strings contents = {"\r", "  blanks at both ends  ", "\tleading tab", "\"quoted\"",
        "'single'", "\"", "%PW%", "%PW%41", "50% off", "%41", "caf\xC3\xA9 \x01\x7f", longText,
        "= [x] ;y", "line one\r\nline two", "ends in a break\n"};
    // clang-format on
    test::FakeDesktop desktop;
    {
        test::ProgramRun run(desktop);
        for (std::size_t i = 0; i < contents.size(); ++i)
            AppendReadRow(run.frm.List(), std::to_string(i + 1), contents[i], "");
        ASSERT_TRUE(run.Exit());
    }
    EXPECT_EQ(Value(desktop, "ClipStringList", "8"), "50% off"); // plain when it can be
    test::ProgramRun next(desktop);
    EXPECT_EQ(next.Contents(), contents);
}

TEST(SettingsFileTest, TheConfigurationFileStaysTheSameFromRunToRun) {
    for (const std::string fileName : {"C:\\d\\gone.pwc", "C:\\d\\%PW%\\a.pwc", "%PW%x", "'a'"}) {
        SCOPED_TRACE(fileName);
        test::FakeDesktop desktop;
        {
            test::ProgramRun first(desktop);
            first.frm.SetCurrentConfigurationFile(fileName);
            ASSERT_TRUE(first.Exit());
        }
        for (int start = 0; start < 2; ++start) {
            desktop.messages.clear();
            test::ProgramRun next(desktop);
            EXPECT_EQ(next.frm.CurrentConfigurationFile(), fileName);
            EXPECT_EQ(next.Messages(), Strings{"File does not exist: " + fileName});
            ASSERT_TRUE(next.Exit());
        }
    }
}

TEST(SettingsFileTest, ADamagedFileGivesADefinedListQuickly) {
    const std::string rows = "0=a\r\n1=b\r\n2=c\r\n";
    const std::pair<std::string, Strings> cases[] = {
        {"Count=2147483647", {"a", "b", "c"}},
        {"Count=2", {"a", "b"}},
        {"Count=0x2", {"a", "b"}},
        {"Count=-5", {}},
        {"Count=abc", {}},
        {"Count=", {}},
        // Rows out of order, and a row given twice: the first line counts.
        {"Count=3\r\n2=z\r\n1=y", {"a", "y", "z"}},
    };
    const auto start = std::chrono::steady_clock::now();
    for (const auto& [count, contents] : cases) {
        SCOPED_TRACE(count);
        test::FakeDesktop desktop;
        desktop.files[kSettingsPath] = "[ClipStringList]\r\n" + count + "\r\n" + rows;
        test::ProgramRun run(desktop);
        EXPECT_EQ(run.Contents(), contents);
    }
    std::mt19937 random(20240611);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random() % 256);
        if (round % 2 == 1) // a valid start, then damage
            bytes = "[ClipStringList]\r\nCount=9\r\n0=a\r\n" + bytes.substr(0, 512) + rows;
        test::FakeDesktop desktop;
        desktop.files[kSettingsPath] = bytes;
        Strings first;
        {
            test::ProgramRun run(desktop);
            first = run.Contents();
            ASSERT_TRUE(run.Exit());
        }
        test::ProgramRun again(desktop); // what was read once is read again
        EXPECT_EQ(again.Contents(), first) << round;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(SettingsFileTest, SessionEndingWritesTheSettingsWithoutAQuestion) {
    test::RunningProgram p;
    p.run.Open("[a.pwc*]", "C:\\d\\a.pwc", 2);
    ASSERT_TRUE(p.frm.ExitMustAskToSave());
    p.frm.SessionEnding();
    EXPECT_TRUE(p.desktop.messages.empty());
    EXPECT_TRUE(p.desktop.fileDialogs.empty());
    EXPECT_FALSE(p.desktop.files.contains("C:\\d\\a.pwc"));
    EXPECT_EQ(Value(p.desktop, "ClipStringList", "1"), "t2");
    EXPECT_EQ(Value(p.desktop, "Configuration", "FileName"), "C:\\d\\a.pwc");
}

// A file held open by another program, or one we may not read, still holds the
// user's list: neither Exit nor the end of the session may put defaults over it.
TEST(SettingsFileTest, AFileThatCouldNotBeReadIsLeftAsItIs) {
    const std::string stored = "[ClipStringList]\r\nCount=1\r\n0=keep me\r\n";
    for (const bool byExit : {true, false}) {
        SCOPED_TRACE(byExit ? "Exit" : "session end");
        test::FakeDesktop desktop;
        desktop.files[kSettingsPath] = stored;
        desktop.fault = [](const std::string& op, const std::string&) {
            return op == "read" ? IoResult::Failure("Access is denied.") : IoResult::Success();
        };
        test::ProgramRun run(desktop);
        ASSERT_EQ(run.Messages(), (Strings{"Unable to read " + kSettingsPath +
                                           "\n\nAccess is denied.\n\nThe settings file will be "
                                           "left as it is."}));
        EXPECT_TRUE(run.Contents().empty());
        AddSnippet(run.frm.List(), "new");
        desktop.fault = nullptr; // the other program lets go before the end
        if (byExit)
            EXPECT_TRUE(run.Exit());
        else
            run.frm.SessionEnding();
        EXPECT_EQ(desktop.files[kSettingsPath], stored);
        EXPECT_EQ(run.Messages().size(), 1u);
    }
}

TEST(SettingsFileTest, TheSettingsFolderFallsBackToTheProgramFolder) {
    const std::string ownFolder = "C:\\AD\\Orvane\\Pastewise\\options.ini";
    const std::string program = "C:\\Program Files\\Pastewise\\options.ini";
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"C:\\AD", false, ownFolder},
        {"C:\\AD\\", false, ownFolder},
        {"C:\\AD\\", true, program},
        {"", false, program},
    };
    for (const auto& [appData, mkdirFails, path] : cases) {
        SCOPED_TRACE(appData + (mkdirFails ? ", mkdir fails" : ""));
        test::FakeDesktop desktop;
        desktop.appDataFolder = appData;
        if (mkdirFails)
            desktop.fault = [](const std::string& op, const std::string&) {
                return op == "mkdir" ? IoResult::Failure("Access is denied.") : IoResult::Success();
            };
        EXPECT_EQ(SettingsFilePath(desktop), path);
        desktop.files[path] = FileOf({"[Copy]", "Enable=1"});
        test::ProgramRun run(desktop);
        EXPECT_TRUE(run.frm.CurrentSettings().autoCopy); // read from there
        AddSnippet(run.frm.List(), "x");
        ASSERT_TRUE(run.Exit());
        EXPECT_EQ(ProfileFile::Parse(desktop.files[path]).GetString("ClipStringList", "0", ""),
                  "x");
        EXPECT_EQ(desktop.files.size(), 1u);
    }
}

// Roaming profiles often live on a network share, whose root cannot be
// created: only the folders that are missing may be.
TEST(SettingsFileTest, OnlyMissingSettingsFoldersAreCreatedOnDrivesAndShares) {
    const std::string roaming = "\\\\server\\share\\me\\Roaming";
    const std::string ours = roaming + "\\Orvane\\Pastewise";
    struct Case {
        const char* name;
        std::string appData;
        Strings existing;
        Strings created;
        std::string folder; // of the settings file
    };
    const Case cases[] = {
        {"share, profile there",
         roaming + "\\",
         {"\\\\server\\share\\me", roaming},
         {"mkdir " + roaming + "\\Orvane", "mkdir " + ours},
         ours + "\\"},
        {"share, all there", roaming, {roaming, roaming + "\\Orvane", ours}, {}, ours + "\\"},
        {"share, nothing there",
         roaming + "\\",
         {},
         {"mkdir \\\\server\\share\\me", "mkdir " + roaming, "mkdir " + roaming + "\\Orvane",
          "mkdir " + ours},
         ours + "\\"},
        {"unknown share",
         "\\\\nas\\home\\",
         {},
         {"mkdir \\\\nas\\home\\Orvane"},
         "C:\\Program Files\\Pastewise\\"},
        {"drive, part there",
         "C:\\Users\\me\\",
         {"C:\\Users"},
         {"mkdir C:\\Users\\me", "mkdir C:\\Users\\me\\Orvane",
          "mkdir C:\\Users\\me\\Orvane\\Pastewise"},
         "C:\\Users\\me\\Orvane\\Pastewise\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeDesktop desktop;
        desktop.appDataFolder = c.appData;
        desktop.folders.insert(c.existing.begin(), c.existing.end());
        EXPECT_EQ(SettingsFolder(desktop), c.folder);
        EXPECT_EQ(desktop.fileOperations, c.created);
    }

    const std::pair<std::string_view, std::size_t> roots[] = {
        {"C:\\x", 3},
        {"C:", 2},
        {"C:x", 2},
        {"\\\\server\\share\\x", 15},
        {"\\\\server\\share", 14},
        {"\\\\server", 8},
        {"\\x", 1},
        {"x\\y", 0},
        {"", 0},
    };
    for (const auto& [path, length] : roots)
        EXPECT_EQ(RootLength(path), length) << path;
}

TEST(SettingsFileTest, AUnicodeFileIsReadAsItIsAndWrittenBackAsUnicode) {
    // As Notepad saves "Unicode": little-endian UTF-16 after its mark.
    const auto unicode = [](std::u16string_view text) {
        std::string bytes = "\xFF\xFE";
        for (const char16_t unit : text)
            bytes.append({static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)});
        return bytes;
    };
    test::FakeDesktop desktop;
    desktop.files[kSettingsPath] =
        unicode(u"[Copy]\r\nEnable=1\r\n[ClipStringList]\r\nCount=2\r\n0=caf\u00e9\r\n"
                u"1=\u65e5\u672c\r\n[Extra]\r\nkey=\u2192\r\n[WindowsPosition]\r\nLeft=10\r\n");
    {
        test::ProgramRun run(desktop);
        EXPECT_EQ(run.Contents(), (Strings{"caf\xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC"}));
        EXPECT_TRUE(run.frm.CurrentSettings().autoCopy);
        EXPECT_EQ(run.site.placement.bounds.left, 10);
        EXPECT_TRUE(desktop.messages.empty());
        AddSnippet(run.frm.List(), "new");
        ASSERT_TRUE(run.Exit());
    }
    // The key the program does not know keeps its character.
    const std::string& written = desktop.files[kSettingsPath];
    EXPECT_TRUE(written.starts_with(unicode(u"[Copy]\r\nEnable=1\r\n[ClipStringList]\r\n")));
    EXPECT_NE(written.find(unicode(u"\r\n0=caf\u00e9\r\n1=\u65e5\u672c\r\n2=new\r\n").substr(2)),
              std::string::npos);
    EXPECT_NE(written.find(unicode(u"\r\n[Extra]\r\nkey=\u2192\r\n").substr(2)), std::string::npos);
    EXPECT_EQ(written.size() % 2, 0u);

    test::ProgramRun next(desktop);
    EXPECT_EQ(next.Contents(), (Strings{"caf\xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC", "new"}));
    EXPECT_EQ(next.site.placement.bounds.left, 10);
}

TEST(SettingsFileTest, ACodePageFileBecomesUnicodeOnlyWhenARowOrAPathDoesNotFitIt) {
    const std::string emoji = "\xF0\x9F\x98\x80 ok";
    const std::string path = "C:\\\xD1\x81\xD0\xBF\xD0\xB8\xD1\x81\xD0\xBE\xD0\xBA.pwc";
    test::FakeDesktop desktop;
    desktop.files[path] = "[General]\r\nCount=0\r\n";
    {
        test::ProgramRun run(desktop);
        AddSnippet(run.frm.List(), "caf\xC3\xA9");
        ASSERT_TRUE(run.Exit());
    }
    // Latin letters fit the code page: the file is as an older copy writes it.
    const std::string fits = desktop.files[kSettingsPath];
    EXPECT_FALSE(fits.starts_with("\xFF\xFE"));
    EXPECT_NE(fits.find("\r\n0=caf\xe9\r\n"), std::string::npos);

    for (const auto& [name, change] :
         std::initializer_list<std::pair<const char*, std::function<void(test::ProgramRun&)>>>{
             {"a row", [&](test::ProgramRun& run) { AddSnippet(run.frm.List(), emoji); }},
             {"the file's path",
              [&](test::ProgramRun& run) {
                  desktop.answers.push_back(MessageAnswer::No); // keep the list unsaved
                  desktop.fileAnswers.push_back(path);
                  run.frm.miLoadConfigurationClick();
              }},
         }) {
        SCOPED_TRACE(name);
        desktop.files[kSettingsPath] = fits;
        {
            test::ProgramRun run(desktop);
            change(run);
            ASSERT_TRUE(run.Exit());
        }
        EXPECT_TRUE(desktop.files[kSettingsPath].starts_with("\xFF\xFE"));
        test::ProgramRun next(desktop);
        if (std::string_view(name) == "a row")
            EXPECT_EQ(next.Contents(), (Strings{"caf\xC3\xA9", emoji}));
        else
            EXPECT_EQ(next.frm.CurrentDocument().File(), path);
        ASSERT_TRUE(next.Exit());
    }
}

} // namespace
} // namespace pw
