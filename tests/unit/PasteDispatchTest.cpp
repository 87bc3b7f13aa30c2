#include "hotkeys/PasteKeystrokes.h"
#include "hotkeys/PasteQueue.h"

#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

class PasteDispatchTest : public test::MainWindowTest {
protected:
    void ExpectNothingPasted() {
        EXPECT_TRUE(desktop.offers.empty());
        EXPECT_TRUE(desktop.sentKeys.empty());
    }
};

const std::vector<KeyStroke> kCtrlV{{0x11, false}, {0x56, false}, {0x56, true}, {0x11, true}};

TEST_F(PasteDispatchTest, PasteLeavesTheTextOnTheClipboardAndTypesCtrlVInOneGo) {
    AddSnippet(frm.List(), "some text");
    frm.HotkeyPressed(1000);
    EXPECT_EQ(desktop.clipboard, "some text");
    EXPECT_EQ(desktop.offers, std::vector<std::string>{"some text"});
    EXPECT_EQ(desktop.sentKeys, std::vector<std::vector<KeyStroke>>{kCtrlV});
}

// The hotkey's modifiers the user still holds when the paste goes out.
TEST_F(PasteDispatchTest, HeldModifiersAreLetGoAndTheTargetSeesAPlainCtrlV) {
    constexpr std::uint16_t kNeutral = 0xE8;
    const KeyStroke ctrlDown{0x11, false}, ctrlUp{0x11, true};
    const KeyStroke vDown{0x56, false}, vUp{0x56, true};
    const KeyStroke neutralDown{kNeutral, false}, neutralUp{kNeutral, true};
    const auto up = [](std::uint16_t vk) { return KeyStroke{vk, true}; };
    struct Case {
        const char* name;
        std::vector<std::uint16_t> held;
        std::vector<KeyStroke> sent;
    };
    const Case cases[] = {
        {"nothing", {}, kCtrlV},
        {"left Shift", {kVkLeftShift}, {up(kVkLeftShift), ctrlDown, vDown, vUp, ctrlUp}},
        {"both Shifts",
         {kVkLeftShift, kVkRightShift},
         {up(kVkLeftShift), up(kVkRightShift), ctrlDown, vDown, vUp, ctrlUp}},
        {"left Ctrl", {kVkLeftControl}, {vDown, vUp}},
        {"right Ctrl", {kVkRightControl}, {vDown, vUp}},
        {"Ctrl and Shift", {kVkLeftShift, kVkLeftControl}, {up(kVkLeftShift), vDown, vUp}},
        {"left Alt",
         {kVkLeftAlt},
         {neutralDown, neutralUp, up(kVkLeftAlt), ctrlDown, vDown, vUp, ctrlUp}},
        {"AltGr",
         {kVkLeftControl, kVkRightAlt},
         {neutralDown, neutralUp, up(kVkRightAlt), vDown, vUp}},
        {"Windows key",
         {kVkRightWin},
         {neutralDown, neutralUp, up(kVkRightWin), ctrlDown, vDown, vUp, ctrlUp}},
        {"all eight",
         {kModifierKeys, kModifierKeys + 8},
         {neutralDown, neutralUp, up(kVkLeftShift), up(kVkRightShift), up(kVkLeftAlt),
          up(kVkRightAlt), up(kVkLeftWin), up(kVkRightWin), vDown, vUp}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PasteKeystrokes(c.held), c.sent);
    }
}

TEST_F(PasteDispatchTest, CtrlHeldThroughTwoHotkeysPastesBothRows) {
    AddTexts(2);
    desktop.modifiersDown = {kVkLeftControl};
    EXPECT_EQ(Pasted(1000), "t1");
    EXPECT_EQ(Pasted(1001), "t2");
    const std::vector<KeyStroke> plainV{{0x56, false}, {0x56, true}};
    EXPECT_EQ(desktop.sentKeys, (std::vector<std::vector<KeyStroke>>{plainV, plainV}));
}

TEST_F(PasteDispatchTest, PasteWithoutForegroundOrClipboardSendsNothing) {
    AddSnippet(frm.List(), "text");
    desktop.foreground = false;
    frm.HotkeyPressed(1000);
    ExpectNothingPasted();
    EXPECT_FALSE(desktop.clipboard.has_value());

    desktop.foreground = true;
    desktop.clipboardRefuses = true;
    frm.HotkeyPressed(1000);
    EXPECT_TRUE(desktop.sentKeys.empty());
    // Nothing waits for a paste that sent no keys.
    EXPECT_FALSE(frm.Pastes().Waiting());
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
    bool OfferClipboardText(const std::string& text) override {
        autoAddSeen.push_back(settings->autoAdd);
        return FakeDesktop::OfferClipboardText(text);
    }
};

// Also for a paste that waited for an earlier one to be read.
TEST(PasteDispatch, AutoAddIsOffOnlyWhileThePasteRuns) {
    for (bool autoAdd : {false, true}) {
        for (bool refuses : {false, true}) {
            SCOPED_TRACE(testing::Message() << "auto-add " << autoAdd << ", refuses " << refuses);
            WatchingDesktop desktop;
            test::MainForm frm{desktop};
            desktop.settings = &frm.CurrentSettings();
            desktop.clipboardRefuses = refuses;
            AddSnippet(frm.List(), "text");
            AddSnippet(frm.List(), "more");
            frm.CurrentSettings().autoAdd = autoAdd;
            frm.HotkeyPressed(1000);
            frm.HotkeyPressed(1001);
            EXPECT_EQ(frm.CurrentSettings().autoAdd, autoAdd);
            frm.ClipboardTextRead(ClipboardReader::Target);
            // Refused, the first paste sends no keys and the second follows at once.
            EXPECT_EQ(desktop.autoAddSeen, std::vector<bool>(2, false));
            EXPECT_EQ(frm.CurrentSettings().autoAdd, autoAdd);
        }
    }
}

} // namespace
} // namespace pw
