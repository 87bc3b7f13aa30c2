#include "clipboard/ClipboardText.h"
#include "clipboard/ClipboardViewerChain.h"

#include "app/TfrmMain.h"
#include "persistence/DocumentState.h"
#include "persistence/SettingsFile.h"
#include "snippets/SnippetList.h"
#include "support/FakeDesktop.h"
#include "support/FakeFormSite.h"
#include "support/ListCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pw {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;
using Chain = test::FakeDesktop::ChainMessage;
using Chains = std::vector<Chain>;

constexpr WindowRef kMain = 0x1000;
constexpr WindowRef kNext = 0x2000;
constexpr WindowRef kAfterNext = 0x3000;
constexpr WindowRef kFurtherDown = 0x5000;
constexpr WindowRef kBelowThat = 0x6000;

// wParam and lParam of a clipboard change, including values at the ends.
constexpr std::pair<std::uintptr_t, std::intptr_t> kNotifications[] = {
    {0, 0}, {0x1234, -1}, {UINTPTR_MAX, INTPTR_MIN}};

// A fake desktop that also keeps one log of the calls whose order matters:
// the settle pause, the hand-over to the next viewer, every look at the
// clipboard, the chain membership and the settings file.
class StepDesktop : public test::FakeDesktop {
public:
    Strings steps;

    void Pause(unsigned milliseconds) override {
        steps.push_back("pause " + std::to_string(milliseconds));
        FakeDesktop::Pause(milliseconds);
    }
    void SendDrawClipboard(WindowRef to) override {
        steps.emplace_back("draw");
        FakeDesktop::SendDrawClipboard(to);
    }
    void SendChangeClipboardChain(WindowRef to, WindowRef leaving, WindowRef following) override {
        steps.emplace_back("change");
        FakeDesktop::SendChangeClipboardChain(to, leaving, following);
    }
    bool ClipboardHasText() override {
        steps.emplace_back("has text?");
        return FakeDesktop::ClipboardHasText();
    }
    bool ClipboardIsPrivate() override {
        steps.emplace_back("private?");
        return FakeDesktop::ClipboardIsPrivate();
    }
    std::optional<std::string> GetClipboardText() override {
        steps.emplace_back("read");
        return FakeDesktop::GetClipboardText();
    }
    WindowRef JoinClipboardViewerChain() override {
        steps.emplace_back("join");
        if (duringJoin)
            duringJoin(); // the system's first notice to a new viewer
        return FakeDesktop::JoinClipboardViewerChain();
    }
    std::function<void()> duringJoin;
    void LeaveClipboardViewerChain(WindowRef successor) override {
        steps.emplace_back("leave");
        FakeDesktop::LeaveClipboardViewerChain(successor);
    }
    IoResult ReadFile(const std::string& path, std::string& bytes) override {
        steps.emplace_back("read file");
        return FakeDesktop::ReadFile(path, bytes);
    }
    IoResult MoveReplacing(const std::string& from, const std::string& to) override {
        steps.emplace_back("replace file");
        return FakeDesktop::MoveReplacing(from, to);
    }

    bool Did(const std::string& step) const {
        return std::find(steps.begin(), steps.end(), step) != steps.end();
    }
    // Whether the first `before` comes ahead of the first `after`.
    bool InOrder(const std::string& before, const std::string& after) const {
        const auto a = std::find(steps.begin(), steps.end(), before);
        const auto b = std::find(steps.begin(), steps.end(), after);
        return a != steps.end() && b != steps.end() && a < b;
    }
};

class ClipboardWatcherTest : public ::testing::Test {
protected:
    ClipboardWatcherTest() {
        desktop.mainWindow = kMain;
        site.closeHandler = [this] { return frm.FormClose(); };
        frm.AttachSite(&site);
    }

    // Start-up with the given viewer after the main window in the chain.
    void Create(WindowRef successor = kNext) {
        desktop.joinAnswer = successor;
        frm.FormCreate();
        frm.FormShow();
        Forget();
    }
    void Forget() {
        desktop.steps.clear();
        desktop.chainMessages.clear();
        desktop.pauses.clear();
        desktop.clipboardReads = 0;
        desktop.registerCalls.clear();
        marks = frm.ChangeMarks();
    }

    // Another program copies `text` (nullopt: something that is not text).
    void Copy(std::optional<std::string> text, std::uintptr_t wParam = 0,
              std::intptr_t lParam = 0) {
        desktop.clipboard = std::move(text);
        desktop.ownWrite.reset(); // the other program owns the clipboard now
        Notify(wParam, lParam);
    }
    // The system tells the main window of a clipboard change.
    void Notify(std::uintptr_t wParam, std::intptr_t lParam) {
        desktop.drawNotice = {wParam, lParam};
        frm.ClipboardChanged();
    }
    void Watch(bool autoCopy, bool autoAdd) {
        frm.cbAutoCopy.SetChecked(autoCopy);
        frm.cbAutoAdd.SetChecked(autoAdd);
    }

    Strings Column(int column) const { return test::ColumnCells(frm.ListView1, column); }
    Strings Contents() const { return Column(SnippetTable::kContentColumn); }
    Strings HotkeyCells() const { return Column(SnippetTable::kHotkeyColumn); }

    StepDesktop desktop;
    TfrmMain frm{desktop};
    test::FakeFormSite site;
    int marks = 0;
};

// --- the text taken from the clipboard ---

TEST(ClipboardText, TrimsCodesUpToBlankAtBothEndsAndKeepsEverythingInside) {
    const struct {
        std::string raw;
        std::string trimmed;
    } cases[] = {
        {"plain", "plain"},
        {"x", "x"},
        {"", ""},
        {" ", ""},
        {" \t\r\n\v\f ", ""},
        {"  both ends  ", "both ends"},
        {"\r\n\tline breaks\r\n\r\n", "line breaks"},
        {"first\r\nsecond\n\tthird", "first\r\nsecond\n\tthird"},
        {"\0\x01\x1F nul and controls \x1F\0"s, "nul and controls"},
        {" !bang! ", "!bang!"}, // 33 is the first code that stays
        {"\x7F"
         "del\x7F",
         "\x7F"
         "del\x7F"},                      // as is 127
        {"\xA0nbsp\xA0", "\xA0nbsp\xA0"}, // bytes from 128 on are text
        {" \x80\xFF high \xFF\x80 ", "\x80\xFF high \xFF\x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.raw));
        EXPECT_EQ(TrimClipboardText(c.raw), c.trimmed);
    }
}

TEST_F(ClipboardWatcherTest, CopiedTextArrivesTrimmedInTheEntryBoxAndTheList) {
    Create();
    Watch(true, true);
    const struct {
        std::string copied;
        std::string kept;
    } cases[] = {
        {"  padded  ", "padded"},
        {"\t\r\nfirst line\r\nsecond line\r\n", "first line\r\nsecond line"},
        {"\x01\0 controls\x1F"s, "controls"},
        {" \xE9t\xE9 \xA0", "\xE9t\xE9 \xA0"},
    };
    Strings expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.copied));
        Copy(c.copied);
        expected.push_back(c.kept);
        EXPECT_EQ(frm.eClipString.Text(), c.kept);
        EXPECT_EQ(Contents(), expected);
        // Trimming works on a copy: the clipboard itself is left as it was.
        EXPECT_EQ(desktop.clipboard, c.copied);
    }
}

TEST_F(ClipboardWatcherTest, BlankOnlyCopyEmptiesTheEntryBoxAndAddsOneEmptyRow) {
    Create();
    Watch(true, true);
    frm.eClipString.SetText("typed before");
    Copy(" \r\n\t ");
    EXPECT_EQ(frm.eClipString.Text(), "");
    EXPECT_EQ(Contents(), Strings{""});
    EXPECT_EQ(HotkeyCells(), Strings{"Ctrl 1"});

    frm.eClipString.SetText("typed again");
    Copy("\n");
    EXPECT_EQ(frm.eClipString.Text(), "");
    EXPECT_EQ(Contents(), Strings{""});
    EXPECT_EQ(desktop.registerCalls.size(), 1u);
}

TEST_F(ClipboardWatcherTest, TextsEqualButForCaseFillTheEntryBoxButAreAddedOnce) {
    Create();
    Watch(true, true);
    for (const char* copied : {"Hello World", "HELLO WORLD", " hello world\r\n"}) {
        SCOPED_TRACE(copied);
        Copy(copied);
        EXPECT_EQ(frm.eClipString.Text(), TrimClipboardText(copied));
        EXPECT_EQ(Contents(), Strings{"Hello World"});
    }
    EXPECT_EQ(frm.ChangeMarks(), marks + 1);
    EXPECT_EQ(desktop.registerCalls.size(), 1u);
}

TEST_F(ClipboardWatcherTest, AutoAddedRowsTenAndElevenGetCtrl0AndNoHotkey) {
    Create();
    for (int i = 1; i <= 9; ++i)
        AddSnippet(frm.List(), "t" + std::to_string(i));
    Forget();
    Watch(false, true);
    Copy("tenth");
    Copy("eleventh");

    ASSERT_EQ(frm.ListView1.RowCount(), 11);
    EXPECT_EQ(Contents()[9], "tenth");
    EXPECT_EQ(Contents()[10], "eleventh");
    EXPECT_EQ(HotkeyCells()[9], "Ctrl 0");
    EXPECT_EQ(HotkeyCells()[10], "");
    EXPECT_EQ(frm.ListView1.Cell(10, SnippetTable::kNumberColumn), "11");
    ASSERT_EQ(desktop.registerCalls.size(), 1u);
    EXPECT_EQ(desktop.registerCalls[0].id, 1009);
    EXPECT_EQ(desktop.registerCalls[0].modifiers, kModControl);
    EXPECT_EQ(desktop.registerCalls[0].vk, static_cast<std::uint32_t>('0'));
    EXPECT_EQ(frm.Hotkeys().Records().Records().back(), (THotkeyInfo{10, 1009, "Ctrl 0"}));
    EXPECT_EQ(frm.Table().Selected(), 10);
    EXPECT_EQ(frm.ChangeMarks(), marks + 2);
    EXPECT_EQ(frm.eClipString.Text(), "");
    EXPECT_TRUE(desktop.messages.empty());

    frm.HotkeyPressed(1009);
    EXPECT_EQ(desktop.clipboard, "tenth");
}

// --- what decides whether the clipboard is read ---

TEST_F(ClipboardWatcherTest, AutoCopyFollowsTheCheckBoxAndAutoAddTheSetting) {
    Create();
    const struct {
        bool copyBox, copySetting, addBox, addSetting;
        bool copies, adds;
    } cases[] = {
        {true, false, false, false, true, false},  {false, true, false, false, false, false},
        {false, false, true, false, false, false}, {false, false, false, true, false, true},
        {true, false, false, true, true, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "copy box " << c.copyBox << ", copy setting " << c.copySetting
                     << ", add box " << c.addBox << ", add setting " << c.addSetting);
        // Each click writes its setting; setting it afterwards pulls the two apart.
        Watch(c.copyBox, c.addBox);
        frm.CurrentSettings().autoCopy = c.copySetting;
        frm.CurrentSettings().autoAdd = c.addSetting;
        frm.eClipString.SetText("typed");
        const int rows = frm.ListView1.RowCount();
        const std::string text = "copy " + std::to_string(++n);

        Copy(text);
        EXPECT_EQ(frm.eClipString.Text(), c.copies ? text : "typed");
        EXPECT_EQ(frm.ListView1.RowCount(), rows + (c.adds ? 1 : 0));
        if (c.adds) {
            EXPECT_EQ(Contents().back(), text);
        }
    }
}

TEST_F(ClipboardWatcherTest, WithNeitherOnTheChangeIsPassedOnAfterThePauseAndNotRead) {
    Create();
    Watch(false, false);
    frm.eClipString.SetText("typed");
    Copy("copied", 0x12, -7);
    EXPECT_EQ(desktop.steps, (Strings{"pause 100", "draw"}));
    EXPECT_EQ(desktop.chainMessages, (Chains{{Chain::Draw, kNext, 0x12, -7}}));
    EXPECT_EQ(desktop.clipboardReads, 0);
    EXPECT_EQ(frm.eClipString.Text(), "typed");
    EXPECT_EQ(frm.ListView1.RowCount(), 0);
}

TEST_F(ClipboardWatcherTest, NonTextAndPrivateContentIsPassedOnButNeverTaken) {
    Create();
    Watch(true, true);
    const struct {
        const char* what;
        std::optional<std::string> clipboard;
        bool isPrivate;
    } cases[] = {
        {"no text", std::nullopt, false},
        {"password", "s3cret", true},
        {"blank password", "  ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Forget();
        frm.eClipString.SetText("typed");
        desktop.clipboardPrivate = c.isPrivate;
        Copy(c.clipboard, 1, 2);
        EXPECT_EQ(desktop.chainMessages, (Chains{{Chain::Draw, kNext, 1, 2}}));
        EXPECT_TRUE(desktop.InOrder("pause 100", "draw"));
        EXPECT_TRUE(desktop.InOrder("draw", "has text?"));
        EXPECT_FALSE(desktop.Did("read"));
        EXPECT_EQ(frm.eClipString.Text(), "typed");
        EXPECT_EQ(frm.ListView1.RowCount(), 0);
        EXPECT_EQ(frm.ChangeMarks(), marks);
    }

    // The same text without the private mark is taken, after the pause.
    Forget();
    desktop.clipboardPrivate = false;
    Copy("s3cret");
    EXPECT_TRUE(desktop.InOrder("draw", "read"));
    EXPECT_EQ(frm.eClipString.Text(), "s3cret");
    EXPECT_EQ(Contents(), Strings{"s3cret"});
}

TEST_F(ClipboardWatcherTest, TickingTheBoxesWritesTheSettingsWithoutReadingTheClipboard) {
    Create();
    desktop.clipboard = "waiting on the clipboard";
    for (bool on : {true, false}) {
        SCOPED_TRACE(on);
        Watch(on, on);
        EXPECT_EQ(frm.CurrentSettings().autoCopy, on);
        EXPECT_EQ(frm.CurrentSettings().autoAdd, on);
    }
    EXPECT_TRUE(desktop.steps.empty());
    EXPECT_EQ(frm.eClipString.Text(), "");
    EXPECT_EQ(frm.ListView1.RowCount(), 0);
}

TEST_F(ClipboardWatcherTest, HotkeyPasteIsCopiedToTheEntryBoxButNotAddedAgain) {
    Create();
    AddSnippet(frm.List(), "  padded snippet\r\n");
    Watch(true, true);
    desktop.onClipboardWrite = [this] { Notify(0, 0); };
    frm.eClipString.SetText("typed");

    frm.HotkeyPressed(1000);
    EXPECT_EQ(desktop.clipboard, "  padded snippet\r\n");
    EXPECT_EQ(desktop.sentKeys.size(), 1u);
    EXPECT_EQ(frm.eClipString.Text(), "padded snippet");
    // Its own text is known: a read, or a pause, would hold up the target's.
    EXPECT_EQ(desktop.clipboardReads, 0);
    EXPECT_TRUE(desktop.pauses.empty());
    EXPECT_EQ(Contents(), Strings{"  padded snippet\r\n"});
    EXPECT_TRUE(frm.CurrentSettings().autoAdd);
    EXPECT_TRUE(frm.cbAutoAdd.Checked());

    // Auto-add is back on for the next copy of another program.
    Copy("copied later");
    EXPECT_EQ(Contents(), (Strings{"  padded snippet\r\n", "copied later"}));
}

// With another viewer ahead in the chain, the paste's own notification only
// reaches the window after the paste is over and auto-add is on again.
TEST_F(ClipboardWatcherTest, HotkeyPasteNotifiedLateIsStillNotAdded) {
    Create();
    AddSnippet(frm.List(), "  padded snippet\r\n");
    Watch(true, true);

    frm.HotkeyPressed(1000);
    ASSERT_TRUE(frm.CurrentSettings().autoAdd);
    Notify(0, 0);
    EXPECT_EQ(frm.eClipString.Text(), "padded snippet");
    EXPECT_EQ(Contents(), Strings{"  padded snippet\r\n"});
    EXPECT_EQ(frm.ChangeMarks(), marks + 1); // the AddSnippet above only

    // The next copy of another program, even of the same text, is taken again.
    Copy("  padded snippet\r\n");
    EXPECT_EQ(Contents(), (Strings{"  padded snippet\r\n", "padded snippet"}));
}

// --- the viewer chain ---

TEST_F(ClipboardWatcherTest, StartUpJoinsAfterReadingTheSettingsAndKeepsTheSuccessor) {
    EXPECT_FALSE(frm.ClipboardChain().Joined());
    desktop.joinAnswer = kNext;
    desktop.files[SettingsFilePath(desktop)] = "[AutoAdd]\r\nEnable=1\r\n";
    desktop.clipboard = "copied before the start";
    desktop.duringJoin = [this] { frm.ClipboardChanged(); };
    frm.FormCreate();
    EXPECT_EQ(desktop.joins, 1);
    // The join's own notice takes the clipboard at once: no writer to wait for.
    EXPECT_EQ(Contents(), Strings{"copied before the start"});
    EXPECT_TRUE(desktop.pauses.empty());
    EXPECT_TRUE(frm.ClipboardChain().Joined());
    EXPECT_EQ(frm.ClipboardChain().Successor(), kNext);
    EXPECT_TRUE(desktop.InOrder("read file", "join")) << testing::PrintToString(desktop.steps);
    EXPECT_TRUE(desktop.chainMessages.empty());
    frm.ClipboardChanged(); // a later copy waits for its writer again
    EXPECT_EQ(desktop.pauses, std::vector<unsigned>{100});
}

TEST_F(ClipboardWatcherTest, ChangesArePassedOnUnalteredToTheSuccessor) {
    Create(kNext);
    Chains expected;
    for (const auto& [wParam, lParam] : kNotifications) {
        Notify(wParam, lParam);
        expected.push_back({Chain::Draw, kNext, wParam, lParam});
    }
    EXPECT_EQ(desktop.chainMessages, expected);
}

TEST_F(ClipboardWatcherTest, WithoutSuccessorNothingIsPassedOn) {
    Create(0);
    for (const auto& [wParam, lParam] : kNotifications)
        Notify(wParam, lParam);
    frm.ClipboardChainChanged(kFurtherDown, kBelowThat);
    EXPECT_TRUE(desktop.chainMessages.empty());
    EXPECT_EQ(desktop.pauses, (std::vector<unsigned>{100, 100, 100}));
}

TEST_F(ClipboardWatcherTest, SuccessorLeavingIsReplacedByTheWindowAfterIt) {
    Create(kNext);
    frm.ClipboardChainChanged(kNext, kAfterNext);
    EXPECT_EQ(frm.ClipboardChain().Successor(), kAfterNext);
    EXPECT_TRUE(desktop.chainMessages.empty());

    Notify(3, 4);
    EXPECT_EQ(desktop.chainMessages, (Chains{{Chain::Draw, kAfterNext, 3, 4}}));

    // The last viewer after us leaves: from then on there is nobody to tell.
    desktop.chainMessages.clear();
    frm.ClipboardChainChanged(kAfterNext, 0);
    EXPECT_EQ(frm.ClipboardChain().Successor(), 0u);
    Notify(5, 6);
    frm.ClipboardChainChanged(kFurtherDown, kBelowThat);
    EXPECT_TRUE(desktop.chainMessages.empty());
}

TEST_F(ClipboardWatcherTest, AWindowFurtherDownLeavingIsSentOnAndTheSuccessorStays) {
    Create(kNext);
    frm.ClipboardChainChanged(kFurtherDown, kBelowThat);
    frm.ClipboardChainChanged(kAfterNext, 0);
    EXPECT_EQ(desktop.chainMessages, (Chains{{Chain::Change, kNext, kFurtherDown, kBelowThat},
                                             {Chain::Change, kNext, kAfterNext, 0}}));
    EXPECT_EQ(frm.ClipboardChain().Successor(), kNext);

    desktop.chainMessages.clear();
    Notify(9, 9);
    EXPECT_EQ(desktop.chainMessages, (Chains{{Chain::Draw, kNext, 9, 9}}));
}

TEST(ClipboardViewerChainAtExit, LeavesOnceAfterWritingTheSettings) {
    for (WindowRef successor : {kNext, WindowRef{0}}) {
        SCOPED_TRACE(successor);
        StepDesktop d;
        d.mainWindow = kMain;
        d.joinAnswer = successor;
        TfrmMain main{d};
        test::FakeFormSite s;
        s.closeHandler = [&main] { return main.FormClose(); };
        main.AttachSite(&s);
        main.FormCreate();

        main.bExit.Click();
        EXPECT_EQ(s.closeResults, std::vector<bool>{true});
        EXPECT_EQ(d.leaves, std::vector<WindowRef>{successor});
        EXPECT_FALSE(main.ClipboardChain().Joined());
        EXPECT_TRUE(d.InOrder("replace file", "leave")) << testing::PrintToString(d.steps);
        if (successor != 0) {
            EXPECT_TRUE(d.InOrder("leave", "change"));
            EXPECT_EQ(d.chainMessages, (Chains{{Chain::Change, successor, kMain,
                                                static_cast<std::intptr_t>(successor)}}));
        } else {
            EXPECT_TRUE(d.chainMessages.empty());
        }

        main.FormDestroy();
        EXPECT_EQ(d.leaves.size(), 1u);
        EXPECT_EQ(d.chainMessages.size(), successor != 0 ? 1u : 0u);
    }
}

TEST_F(ClipboardWatcherTest, CancelledExitStaysInTheChain) {
    Create(kNext);
    AddSnippet(frm.List(), "unsaved");
    DocumentState untitled;
    untitled.Show(std::string(kUntitled));
    frm.SetDocument(untitled);

    // Cancel at the save question, then a settings file that cannot be written.
    desktop.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    frm.bExit.Click();
    desktop.fault = [](const std::string& operation, const std::string&) {
        return operation == "replace" ? IoResult::Failure("Access is denied.") : IoResult{};
    };
    frm.bExit.Click();
    EXPECT_EQ(site.closeResults, (std::vector<bool>{false, false}));
    EXPECT_EQ(desktop.messages.size(), 3u); // two questions, one write error
    EXPECT_TRUE(desktop.leaves.empty());
    EXPECT_TRUE(frm.ClipboardChain().Joined());
    EXPECT_TRUE(desktop.chainMessages.empty());
    Notify(1, 1);
    EXPECT_EQ(desktop.chainMessages, (Chains{{Chain::Draw, kNext, 1, 1}}));

    desktop.fault = nullptr;
    desktop.answers = {MessageAnswer::No};
    frm.bExit.Click();
    EXPECT_EQ(site.closeResults.back(), true);
    EXPECT_EQ(desktop.leaves, std::vector<WindowRef>{kNext});
}

TEST_F(ClipboardWatcherTest, DestroyWithoutExitStillLeavesTheChain) {
    Create(kNext);
    frm.FormDestroy();
    EXPECT_EQ(desktop.leaves, std::vector<WindowRef>{kNext});
    EXPECT_EQ(desktop.chainMessages,
              (Chains{{Chain::Change, kNext, kMain, static_cast<std::intptr_t>(kNext)}}));
    frm.FormDestroy();
    EXPECT_EQ(desktop.leaves.size(), 1u);
}

} // namespace
} // namespace pw
