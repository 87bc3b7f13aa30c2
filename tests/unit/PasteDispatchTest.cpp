#include "hotkeys/PasteDispatch.h"

#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

class PasteDispatchTest : public test::MainWindowTest {
protected:
    void ExpectNothingPasted() {
        EXPECT_EQ(desktop.clipboardWrites, 0);
        EXPECT_TRUE(desktop.sentKeys.empty());
    }
};

const std::vector<KeyStroke> kCtrlV{{0x11, false}, {0x56, false}, {0x56, true}, {0x11, true}};

TEST_F(PasteDispatchTest, PasteLeavesTheTextOnTheClipboardAndTypesCtrlVInOneGo) {
    EXPECT_EQ(PasteText(desktop, "some text"), 4u);
    EXPECT_EQ(desktop.clipboard, "some text");
    EXPECT_EQ(desktop.clipboardWrites, 1);
    EXPECT_EQ(desktop.sentKeys, std::vector<std::vector<KeyStroke>>{kCtrlV});
}

TEST_F(PasteDispatchTest, PasteWithoutForegroundOrClipboardSendsNothing) {
    desktop.foreground = false;
    EXPECT_EQ(PasteText(desktop, "text"), 0u);
    ExpectNothingPasted();
    EXPECT_FALSE(desktop.clipboard.has_value());

    desktop.foreground = true;
    desktop.clipboardRefuses = true;
    EXPECT_EQ(PasteText(desktop, "text"), 0u);
    EXPECT_TRUE(desktop.sentKeys.empty());
}

TEST_F(PasteDispatchTest, UnknownIdsAreIgnored) {
    AddTexts(2);
    for (int id : {-1, 0, 999, 1002, 2000})
        frm.HotkeyPressed(id);
    ExpectNothingPasted();
}

TEST_F(PasteDispatchTest, RecordsNamingMissingRowsAreIgnored) {
    for (int i = 1; i <= 5; ++i)
        AppendReadRow(frm.List(), std::to_string(i), Text(i), "Ctrl " + std::to_string(i));
    frm.ListView1.DeleteRow(4);
    ASSERT_NE(frm.Hotkeys().Records().FindById(1004), nullptr);
    frm.HotkeyPressed(1004);
    // A record can also name position 0, which never holds a row.
    ASSERT_TRUE(frm.Hotkeys().Register({kModControl, 'Q'}, 0, "Ctrl Q"));
    frm.HotkeyPressed(1005);
    ExpectNothingPasted();

    frm.HotkeyPressed(1003);
    EXPECT_EQ(desktop.clipboard, "t4");
}

// Captures the auto-add setting at the moment the text reaches the clipboard.
class WatchingDesktop : public test::FakeDesktop {
public:
    const Settings* settings = nullptr;
    std::vector<bool> autoAddSeen;
    bool SetClipboardText(const std::string& text) override {
        autoAddSeen.push_back(settings->autoAdd);
        return FakeDesktop::SetClipboardText(text);
    }
};

TEST(PasteDispatch, AutoAddIsOffOnlyWhileThePasteRuns) {
    for (bool autoAdd : {false, true}) {
        for (bool refuses : {false, true}) {
            SCOPED_TRACE(testing::Message() << "auto-add " << autoAdd << ", refuses " << refuses);
            WatchingDesktop desktop;
            test::MainForm frm{desktop};
            desktop.settings = &frm.CurrentSettings();
            desktop.clipboardRefuses = refuses;
            AddSnippet(frm.List(), "text");
            frm.CurrentSettings().autoAdd = autoAdd;
            frm.HotkeyPressed(1000);
            EXPECT_EQ(desktop.autoAddSeen, std::vector<bool>{false});
            EXPECT_EQ(frm.CurrentSettings().autoAdd, autoAdd);
        }
    }
}

} // namespace
} // namespace pw
