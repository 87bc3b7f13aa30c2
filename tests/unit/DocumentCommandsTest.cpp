#include "app/TfrmMain.h"
#include "persistence/ProfileFile.h"
#include "persistence/PwcFormat.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pw {
namespace {

using test::CaptionWith;
using test::kSettingsPath;
using test::Strings;
using Dialog = std::vector<std::optional<std::string>>;
using Answers = std::vector<MessageAnswer>;
constexpr auto Yes = MessageAnswer::Yes;
constexpr auto No = MessageAnswer::No;
constexpr auto Cancel = MessageAnswer::Cancel;

const std::string kA = "C:\\d\\a.pwc";
const std::string kB = "C:\\d\\b.pwc";
const std::string kC = "C:\\d\\c.pwc";
const std::string kTxt = "C:\\d\\list.txt";
const std::string kLocked = "C:\\d\\locked.pwc";
const std::optional<std::string> kNoFile; // the dialog cancelled
const std::string kAskNoFile = "Do you want to save changes to ";
const std::string kAskA = kAskNoFile + kA;
const std::string kAskUntitled = kAskNoFile + "configuration file?";
const std::string kNotConfig = "The file is not a configuration file for Orvane Pastewise: ";
const std::string kOldA = SerializeConfiguration(std::vector<PwcEntry>{{"1", "old", "Ctrl 9"}});

enum class Command { New, Load, Save, SaveAs, Exit };

struct Transition {
    const char* name;
    std::string doc;  // the caption's document part before
    std::string file; // the current configuration file before
    int rows;         // "t1".."tn" with hotkeys
    Command command;
    Answers answers;
    Dialog dialog;
    std::string docAfter;
    Strings asked;
    std::string fileAfter;
    Strings contentsAfter;
    std::set<std::string> written; // each holds the rows of before, or the settings
};

std::vector<Transition> Transitions() {
    using C = Command;
    const Strings two = test::Texts(2), one = test::Texts(1), fromB{"b1", "b2"};
    // clang-format off
    return {
        {"New, changed named, Cancel", "[a.pwc*]", kA, 2, C::New, {Cancel}, {},
         "[a.pwc*]", {kAskA}, kA, two, {}},
        {"New, changed named, No", "[a.pwc*]", kA, 2, C::New, {No}, {},
         "[Untitled]", {kAskA}, "Untitled", {}, {}},
        {"New, changed named, Yes", "[a.pwc*]", kA, 2, C::New, {Yes}, {},
         "[Untitled]", {kAskA}, "Untitled", {}, {kA}},
        {"New, empty untitled", "[Untitled]", "Untitled", 0, C::New, {}, {},
         "[Untitled]", {}, "Untitled", {}, {}},
        {"New, saved untitled with rows", "[Untitled]", "Untitled", 1, C::New, {No}, {},
         "[Untitled]", {kAskUntitled}, "Untitled", {}, {}},
        {"New, changed untitled, Yes", "[Untitled*]", "Untitled", 1, C::New, {Yes}, {"C:\\d\\c"},
         "[Untitled]", {kAskUntitled}, "Untitled", {}, {kC}},
        {"New, untitled, no file chosen", "[Untitled*]", "Untitled", 1, C::New, {Yes}, {kNoFile},
         "[Untitled*]", {kAskUntitled}, "Untitled", one, {}},
        {"New, no document with rows, Yes", "", "", 1, C::New, {Yes}, {kC},
         "[Untitled]", {kAskNoFile}, "Untitled", {}, {kC}},
        {"New, Yes on a file that is refused", "[list.txt*]", kTxt, 1, C::New, {Yes}, {},
         "[Untitled]", {kAskNoFile + kTxt, kNotConfig + kTxt}, "Untitled", {}, {}},

        {"Load, no document with rows, Cancel", "", "", 2, C::Load, {Cancel}, {},
         "", {kAskNoFile}, "", two, {}},
        {"Load, dialog cancelled", "[a.pwc]", kA, 2, C::Load, {}, {kNoFile},
         "[a.pwc]", {}, kA, two, {}},
        {"Load, missing path", "[a.pwc*]", kA, 2, C::Load, {No}, {"C:\\d\\gone.pwc"},
         "[a.pwc*]", {kAskA, "File does not exist: C:\\d\\gone.pwc"}, kA, {}, {}},
        {"Load, unreadable file", "[a.pwc*]", kA, 2, C::Load, {No}, {kLocked},
         "[a.pwc*]", {kAskA, "Unable to read " + kLocked + "\n\nAccess is denied."}, kA, {}, {}},
        {"Load, success", "", "", 0, C::Load, {}, {kB},
         "[b.pwc]", {}, kB, fromB, {}},
        {"Load, untitled, saved", "[Untitled*]", "Untitled", 1, C::Load, {Yes}, {"C:\\d\\c", kB},
         "[b.pwc]", {kAskUntitled}, kB, fromB, {kC}},

        {"Save, changed named", "[a.pwc*]", kA, 2, C::Save, {}, {},
         "[a.pwc]", {}, kA, two, {kA}},
        {"Save, untitled runs Save As", "[Untitled*]", "Untitled", 1, C::Save, {}, {"C:\\d\\X.PWC"},
         "[X.PWC.pwc]", {}, "C:\\d\\X.PWC.pwc", one, {"C:\\d\\X.PWC.pwc"}},
        {"Save, file name not in the caption", "[a.pwc*]", kC, 2, C::Save, {}, {},
         "[a.pwc*]", {"File save error, please choose Save As to save!"}, kC, two, {}},
        {"Save, not a configuration file", "[list.txt*]", kTxt, 1, C::Save, {}, {},
         "[list.txt*]", {kNotConfig + kTxt}, kTxt, one, {}},

        {"Save As, no extension", "[a.pwc]", kA, 1, C::SaveAs, {}, {"C:\\d\\new"},
         "[new.pwc]", {}, "C:\\d\\new.pwc", one, {"C:\\d\\new.pwc"}},
        {"Save As, existing file, No", "[a.pwc*]", kA, 1, C::SaveAs, {No}, {"C:\\d\\b"},
         "[a.pwc*]", {kB + " has existed,overite it?"}, kA, one, {}},
        {"Save As, existing file, Yes", "[a.pwc*]", kA, 1, C::SaveAs, {Yes}, {kB},
         "[b.pwc]", {kB + " has existed,overite it?"}, kB, one, {kB}},
        {"Save As, cancelled", "[Untitled*]", "Untitled", 1, C::SaveAs, {}, {kNoFile},
         "[Untitled*]", {}, "Untitled", one, {}},

        {"Exit, no document with rows", "", "", 2, C::Exit, {}, {},
         "", {}, "", two, {kSettingsPath}},
        {"Exit, changed named, Cancel", "[a.pwc*]", kA, 2, C::Exit, {Cancel}, {},
         "[a.pwc*]", {kAskA}, kA, two, {}},
        {"Exit, changed named, No", "[a.pwc*]", kA, 2, C::Exit, {No}, {},
         "[a.pwc*]", {kAskA}, kA, two, {kSettingsPath}},
        {"Exit, changed named, Yes", "[a.pwc*]", kA, 2, C::Exit, {Yes}, {},
         "[a.pwc]", {kAskA}, kA, two, {kA, kSettingsPath}},
        {"Exit, untitled, no file chosen", "[Untitled*]", "Untitled", 2, C::Exit, {Yes}, {kNoFile},
         "[Untitled*]", {kAskUntitled}, "Untitled", two, {}},
        {"Exit, saved untitled stays untitled", "[Untitled]", "Untitled", 2, C::Exit, {Yes}, {kC},
         "[Untitled]", {kAskUntitled}, "Untitled", two, {kC, kSettingsPath}},
    };
    // clang-format on
}

void Perform(TfrmMain& frm, Command command) {
    ui::MenuItem* items[] = {&frm.miNewConfiguration, &frm.miLoadConfiguration,
                             &frm.miSaveConfiguration, &frm.miSaveConfigurationAs};
    if (command == Command::Exit)
        frm.bExit.Click();
    else
        items[static_cast<int>(command)]->Click();
}

// The rows "t1".. in the given document state, beside "a.pwc" (one row),
// "b.pwc" (two rows), "list.txt" and an unreadable "locked.pwc".
struct Window : test::RunningProgram {
    Window(const std::string& doc, const std::string& file, int rows) {
        desktop.files = {{kA, kOldA}, {kTxt, kOldA}, {kLocked, kOldA}};
        desktop.files[kB] =
            SerializeConfiguration(std::vector<PwcEntry>{{"5", "b1", "Alt 5"}, {"6", "b2", ""}});
        desktop.fault = [](const std::string& op, const std::string& path) {
            return op == "read" && path == kLocked ? IoResult::Failure("Access is denied.")
                                                   : IoResult::Success();
        };
        run.Open(doc, file, rows);
    }
};

TEST(DocumentCommandsTest, CommandsMoveTheTitleAsTheTableSays) {
    for (const Transition& t : Transitions()) {
        SCOPED_TRACE(t.name);
        Window w(t.doc, t.file, t.rows);
        w.desktop.answers.assign(t.answers.begin(), t.answers.end());
        w.desktop.fileAnswers.assign(t.dialog.begin(), t.dialog.end());
        const std::map<std::string, std::string> before = w.desktop.files;

        Perform(w.frm, t.command);

        EXPECT_EQ(w.frm.Caption(), CaptionWith(t.docAfter));
        EXPECT_EQ(w.run.Messages(), t.asked);
        EXPECT_EQ(w.frm.CurrentConfigurationFile(), t.fileAfter);
        EXPECT_EQ(w.run.Contents(), t.contentsAfter);
        EXPECT_TRUE(w.desktop.answers.empty() && w.desktop.fileAnswers.empty());
        EXPECT_EQ(w.run.site.quit, t.written.contains(kSettingsPath));

        std::set<std::string> written;
        for (const auto& [path, bytes] : w.desktop.files)
            if (!before.contains(path) || before.at(path) != bytes)
                written.insert(path);
        EXPECT_EQ(written, t.written);
        for (const std::string& path : t.written) {
            if (path != kSettingsPath) {
                EXPECT_EQ(test::ContentsOf(w.desktop.files[path]), test::Texts(t.rows)) << path;
                continue;
            }
            const ProfileFile settings = ProfileFile::Parse(w.desktop.files[path]);
            EXPECT_EQ(settings.GetString("Configuration", "FileName", "?"), t.fileAfter);
            EXPECT_EQ(settings.GetInt("ClipStringList", "Count", -1), t.rows);
        }

        // Every hotkey cell in the list is registered, and nothing else.
        std::size_t withHotkey = 0;
        for (const std::string& cell : w.run.Column(SnippetTable::kHotkeyColumn))
            withHotkey += cell.empty() ? 0 : 1;
        EXPECT_EQ(w.desktop.registered.size(), withHotkey);
        EXPECT_EQ(w.frm.Hotkeys().Records().Count(), withHotkey);

        for (const auto& m : w.desktop.messages) {
            EXPECT_EQ(m.caption, "Orvane Pastewise");
            const bool question = m.text.starts_with(kAskNoFile);
            const bool overwrite = m.text.ends_with(" has existed,overite it?");
            EXPECT_EQ(m.icon, question    ? MessageIcon::Question
                              : overwrite ? MessageIcon::Information
                                          : MessageIcon::Error);
            EXPECT_EQ(m.buttons, question    ? MessageButtons::YesNoCancel
                                 : overwrite ? MessageButtons::YesNoDefaultNo
                                             : MessageButtons::Ok);
        }
    }
}

TEST(DocumentCommandsTest, DialogsAreSetUpForTheDocument) {
    Window w("[a.pwc]", kA, 1);
    w.frm.miSaveConfigurationAs.Click();
    w.frm.miLoadConfiguration.Click();
    const int nextId = w.frm.Hotkeys().NextId();
    w.frm.miNewConfiguration.Click();
    EXPECT_EQ(w.frm.Hotkeys().NextId(), nextId);
    w.frm.miSaveConfigurationAs.Click();

    const std::string filter = "Orvane Pastewise Config Files (*.pwc)|*.pwc";
    const auto& d = w.desktop.fileDialogs;
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].kind, FileDialogKind::Save);
    EXPECT_EQ(d[0].initialName, "a.pwc");
    EXPECT_EQ(d[0].title, "");
    EXPECT_EQ(d[1].kind, FileDialogKind::Open);
    // After New: an untitled list, and the save dialog keeps its own title.
    EXPECT_EQ(d[2].initialName, "");
    EXPECT_EQ(d[2].title, "Save as Orvane Pastewise Configuration File");
    for (const FileDialogRequest& request : d)
        EXPECT_EQ(request.filter, filter);
}

TEST(DocumentCommandsTest, LoadReadsTheWholeFileWhenAHotkeyIsRefusedAndNamesIt) {
    Window w("[a.pwc*]", kA, 2);
    const std::string path = "C:\\d\\big.pwc";
    w.desktop.files[path] = SerializeConfiguration(std::vector<PwcEntry>{{"1", "one", "Ctrl 5"},
                                                                         {"2", "two", "Ctrl 6"},
                                                                         {"3", "three", "Ctrl 7"},
                                                                         {"4", "four", "Ctrl 8"}});
    w.desktop.heldElsewhere = {{kModControl, '6'}, {kModControl, '8'}};
    w.desktop.answers = {No};
    w.desktop.fileAnswers = {path};

    w.frm.miLoadConfiguration.Click();

    EXPECT_EQ(w.run.Contents(), (Strings{"one", "two", "three", "four"}));
    EXPECT_EQ(w.run.Column(SnippetTable::kHotkeyColumn),
              (Strings{"Ctrl 5", "Ctrl 6", "Ctrl 7", "Ctrl 8"}));
    EXPECT_EQ(w.desktop.registered.size(), 2u);
    EXPECT_TRUE(w.desktop.IdOf(kModControl, '7'));
    EXPECT_EQ(w.run.Messages(),
              (Strings{kAskA, "Hotkey setting failed, please try changing to another key!"}));
    EXPECT_EQ(w.frm.Caption(), CaptionWith("[big.pwc]"));
    EXPECT_EQ(w.frm.CurrentConfigurationFile(), path);
    EXPECT_EQ(w.desktop.files[kA], kOldA);
}

} // namespace
} // namespace pw
