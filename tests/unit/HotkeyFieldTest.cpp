#include "hotkeys/HotkeyField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace pw {
namespace {

constexpr std::uint16_t kVkShift = 16;
constexpr std::uint16_t kVkControl = 17;
constexpr std::uint16_t kVkMenu = 18;

struct Press {
    std::uint16_t vk;
    bool ctrl, shift, alt;
    std::string text;
    std::uint32_t modifiers;
    std::uint16_t key;
};

// One field takes every press in turn, so each case also shows that a press
// replaces the whole text the one before it left.
TEST(HotkeyField, EachPressReplacesTheTextAndRecordsWhatWasPressed) {
    const Press presses[] = {
        // named keys alone and after modifiers
        {65, false, false, false, "A", 0, 65},
        {116, false, false, false, "F5", 0, 116},
        {90, true, false, true, "Ctrl  Alt  Z", 2 | 1, 90},
        {36, true, true, true, "Ctrl  Shift  Alt  Home", 7, 36},
        {9, true, false, false, "Ctrl  Tab", 2, 9},
        // a modifier key alone, or the first of a combination going down
        {kVkControl, true, false, false, "Ctrl  ", 2, 0},
        {kVkShift, true, true, false, "Ctrl  Shift  ", 6, 0},
        {kVkMenu, false, false, true, "Alt  ", 1, 0},
        // keypad minus is named, the main keyboard's minus is rejected
        {109, true, false, false, "Ctrl  -", 2, 109},
        {189, true, false, false, "", 2, 189},
        // keypad 5 with NumLock on, then off
        {101, false, false, false, "Num 5", 0, 101},
        {12, false, false, false, "Clear", 0, 12},
        // Delete alone shows its plain name, as after a modifier
        {46, false, false, false, "Del", 0, 46},
        {46, false, true, false, "Shift  Del", 4, 46},
        // editing keys are captured like any other, never acted on
        {8, false, false, false, "BackSpace", 0, 8},
        {8, true, false, false, "Ctrl  BackSpace", 2, 8},
        {13, false, false, false, "Enter", 0, 13},
        {13, false, false, true, "Alt  Enter", 1, 13},
        {27, false, false, false, "Esc", 0, 27},
        {27, false, true, false, "Shift  Esc", 4, 27},
        {32, false, false, false, "Space", 0, 32},
        {32, true, true, true, "Ctrl  Shift  Alt  Space", 7, 32},
        // rejected keys empty the text, modifier words included, yet are recorded
        {91, false, false, false, "", 0, 91},
        {92, true, false, false, "", 2, 92},
        {93, false, false, false, "", 0, 93},
        {186, false, true, true, "", 5, 186},
        {136, true, true, false, "", 6, 136},
    };
    HotkeyField field("eHotkey");
    EXPECT_EQ(field.CapturedModifiers(), 0u);
    EXPECT_EQ(field.CapturedKey(), 0u);
    for (const Press& p : presses) {
        SCOPED_TRACE(testing::Message() << "vk " << p.vk << " ctrl " << p.ctrl << " shift "
                                        << p.shift << " alt " << p.alt);
        field.KeyDown(p.vk, p.ctrl, p.shift, p.alt);
        EXPECT_EQ(field.Text(), p.text);
        EXPECT_EQ(field.CapturedModifiers(), p.modifiers);
        EXPECT_EQ(field.CapturedKey(), p.key);
    }
}

// Holding the modifiers down one after the other, each with those before it
// still held, then F12 with all three: every order ends the same.
TEST(HotkeyField, HeldModifiersInAnyOrderEndInOneText) {
    const std::map<std::uint32_t, std::string> heldTexts = {
        {1, "Alt  "},
        {2, "Ctrl  "},
        {4, "Shift  "},
        {3, "Ctrl  Alt  "},
        {5, "Shift  Alt  "},
        {6, "Ctrl  Shift  "},
        {7, "Ctrl  Shift  Alt  "},
    };
    auto bit = [](std::uint16_t vk) -> std::uint32_t {
        return vk == kVkControl ? 2 : vk == kVkShift ? 4 : 1;
    };
    std::array<std::uint16_t, 3> order{kVkShift, kVkControl, kVkMenu};
    std::sort(order.begin(), order.end());
    int orders = 0;
    do {
        SCOPED_TRACE(testing::Message() << order[0] << ", " << order[1] << ", " << order[2]);
        ++orders;
        HotkeyField field("eHotkey");
        std::uint32_t held = 0;
        for (std::uint16_t vk : order) {
            held |= bit(vk);
            field.KeyDown(vk, (held & 2) != 0, (held & 4) != 0, (held & 1) != 0);
            EXPECT_EQ(field.Text(), heldTexts.at(held));
            EXPECT_EQ(field.CapturedModifiers(), held);
            EXPECT_EQ(field.CapturedKey(), 0u);
        }
        field.KeyDown(123, true, true, true);
        // Nothing follows the last press: letting go of the keys is not an event.
        EXPECT_EQ(field.Text(), "Ctrl  Shift  Alt  F12");
        EXPECT_EQ(field.CapturedModifiers(), 7u);
        EXPECT_EQ(field.CapturedKey(), 123u);
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(orders, 6);
}

TEST(HotkeyField, TypingAWordLeavesOnlyTheLastLetter) {
    HotkeyField field("eHotkey");
    for (char c : std::string("HELLO"))
        field.KeyDown(static_cast<std::uint16_t>(c), false, false, false);
    EXPECT_EQ(field.Text(), "O");
    field.KeyDown(8, false, false, false);
    EXPECT_EQ(field.Text(), "BackSpace");
}

TEST(HotkeyField, OnlyTabAndShiftTabAreLeftToTheDialog) {
    const struct {
        std::uint16_t vk;
        bool ctrl;
        bool taken;
    } keys[] = {
        {9, false, false}, // Tab, and Shift+Tab: the Shift state plays no part
        {9, true, true},   {13, false, true}, {27, false, true}, {37, false, true},
        {38, false, true}, {39, false, true}, {40, true, true},  {65, false, true},
        {46, false, true}, {8, false, true},  {32, true, true},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(testing::Message() << "vk " << k.vk << " ctrl " << k.ctrl);
        EXPECT_EQ(HotkeyField::TakesKey(k.vk, k.ctrl), k.taken);
    }
}

// The system takes a hotkey of the program before the field sees its keys and
// hands it over as registration flags and key: the field captures it as the
// same press, Tab alone still left to the dialog.
TEST(HotkeyField, AHotkeyOfTheProgramIsCapturedAsThePressItIs) {
    const struct {
        std::uint32_t modifiers;
        std::uint16_t vk;
        std::string text;
    } hotkeys[] = {
        {2, '1', "Ctrl  1"}, {2 | 4, 'K', "Ctrl  Shift  K"},
        {1, 116, "Alt  F5"}, {2 | 4 | 1, 101, "Ctrl  Shift  Alt  Num 5"},
        {0, 123, "F12"},     {2, 9, "Ctrl  Tab"},
    };
    HotkeyField field("eHotkey");
    for (const auto& h : hotkeys) {
        SCOPED_TRACE(h.text);
        field.HotkeyPressed(h.modifiers, h.vk);
        EXPECT_EQ(field.Text(), h.text);
        EXPECT_EQ(field.CapturedModifiers(), h.modifiers);
        EXPECT_EQ(field.CapturedKey(), h.vk);
    }
    field.HotkeyPressed(4, 9); // Shift+Tab moves the focus, as a press would
    EXPECT_EQ(field.Text(), "Ctrl  Tab");
    EXPECT_EQ(field.CapturedKey(), 9u);
    EXPECT_EQ(field.CapturedModifiers(), 2u);
}

} // namespace
} // namespace pw
