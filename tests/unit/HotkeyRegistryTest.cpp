#include "hotkeys/HotkeyRegistry.h"

#include "support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace pw {
namespace {

// Refuses to release the hotkeys it is told to.
class StubbornDesktop : public test::FakeDesktop {
public:
    std::set<int> keep;
    bool UnregisterHotkey(int id) override {
        if (!keep.contains(id)) // the base class logs the call itself
            return FakeDesktop::UnregisterHotkey(id);
        unregisterCalls.push_back(id);
        return false;
    }
};

std::vector<int> Ids(const HotkeyRegistry& hotkeys) {
    std::vector<int> ids;
    for (const THotkeyInfo& r : hotkeys.Records().Records())
        ids.push_back(r.HotkeyId);
    return ids;
}

TEST(HotkeyRegistry, ReleaseAllWalksBackwardsKeepsRefusedRecordsAndTheNextId) {
    StubbornDesktop desktop;
    HotkeyRegistry hotkeys{desktop};
    for (std::uint32_t vk : {'1', '2', '3', '4'})
        ASSERT_TRUE(hotkeys.Register({kModControl, vk}, static_cast<int>(vk - '0'), "k"));
    desktop.keep = {1001};

    hotkeys.ReleaseAll();
    EXPECT_EQ(desktop.unregisterCalls, (std::vector<int>{1003, 1002, 1001, 1000}));
    EXPECT_EQ(Ids(hotkeys), std::vector<int>{1001});
    EXPECT_EQ(hotkeys.NextId(), 1004);

    desktop.keep.clear();
    hotkeys.ReleaseAll();
    EXPECT_TRUE(hotkeys.Records().Empty());
    EXPECT_TRUE(desktop.registered.empty());
    ASSERT_TRUE(hotkeys.Register({kModControl, '1'}, 1, "Ctrl 1"));
    EXPECT_EQ(Ids(hotkeys), std::vector<int>{1004});
}

TEST(HotkeyRegistry, FormDestroyUnregistersEverythingFirstToLastWhateverTheAnswer) {
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
    for (const char* text : {"a", "b", "c"})
        AddSnippet(frm.List(), text);
    desktop.refuseUnregister = true;
    frm.FormDestroy();
    EXPECT_EQ(desktop.unregisterCalls, (std::vector<int>{1000, 1001, 1002}));
    EXPECT_TRUE(frm.Hotkeys().Records().Empty());
}

// Whichever goes first, the window or the form, nothing stays registered.
TEST(HotkeyRegistry, AFormThatGoesBeforeItsWindowReleasesItsHotkeysOnce) {
    test::FakeDesktop desktop;
    {
        test::MainForm frm{desktop};
        for (const char* text : {"a", "b"})
            AddSnippet(frm.List(), text);
    }
    EXPECT_EQ(desktop.unregisterCalls, (std::vector<int>{1000, 1001}));
    EXPECT_TRUE(desktop.registered.empty());
}

TEST(HotkeyRegistry, RecordLookupsSearchFromTheirOwnEnd) {
    HotkeyRecordList records;
    for (const THotkeyInfo& r : std::vector<THotkeyInfo>{
             {1, 1000, "Ctrl 1"}, {2, 1001, "Ctrl 2"}, {1, 1002, "Ctrl  1"}, {3, 1001, "Ctrl 2"}})
        records.Append(r);

    EXPECT_EQ(records.FindById(1001)->Index, 2);
    EXPECT_EQ(records.FindById(1003), nullptr);
    EXPECT_EQ(records.FindLastByIndex(1)->HotkeyId, 1002);
    EXPECT_EQ(records.FindLastByIndex(4), nullptr);
    EXPECT_EQ(records.FindLastByHotkey("Ctrl 2")->Index, 3);
    EXPECT_EQ(records.FindLastByHotkey("Ctrl 1")->HotkeyId, 1000);
    EXPECT_EQ(records.FindLastByHotkey("Ctrl  1")->HotkeyId, 1002);
    EXPECT_EQ(records.FindLastByHotkey("ctrl 1"), nullptr);

    EXPECT_TRUE(records.RemoveById(1001));
    EXPECT_EQ(records.FindById(1001)->Index, 3);
    EXPECT_FALSE(records.RemoveById(999));
    EXPECT_EQ(records.Count(), 3u);
}

TEST(HotkeyRegistry, ReadRowsCanShareAPositionOrAText) {
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
    const HotkeyRecordList& records = frm.Hotkeys().Records();
    ASSERT_TRUE(AppendReadRow(frm.List(), "1", "a", "Ctrl 1"));
    frm.ListView1.DeleteRow(0);
    ASSERT_TRUE(AppendReadRow(frm.List(), "1", "b", "Ctrl 2"));
    EXPECT_EQ(records.FindLastByIndex(1)->HotkeyId, 1001);

    ASSERT_TRUE(frm.Hotkeys().Release(1000));
    ASSERT_TRUE(AppendReadRow(frm.List(), "2", "c", "Ctrl 1"));
    EXPECT_EQ(records.FindLastByHotkey("Ctrl 1")->HotkeyId, 1002);
    EXPECT_EQ(records.FindById(1000)->Index, 1);
}

TEST(HotkeyRegistry, OverlapIsExactAndCaseSensitive) {
    const std::vector<std::string> others{"Ctrl 1", "Alt  F4", ""};
    const struct {
        const char* text;
        bool overlaps;
    } cases[] = {
        {"Ctrl 1", true},  {"Ctrl  1", false}, {"ctrl 1", false}, {"Ctrl 1 ", false},
        {"Alt  F4", true}, {"Alt F4", false},  {"", true},        {"Ctrl 2", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HotkeyOverlaps(c.text, others), c.overlaps);
    }
    EXPECT_FALSE(HotkeyOverlaps("", {}));
}

} // namespace
} // namespace pw
