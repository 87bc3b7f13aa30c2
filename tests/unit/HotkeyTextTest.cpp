#include "hotkeys/HotkeyText.h"

#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;

namespace pw {
namespace {

// Every key code that gets a name, what it is written as, and the key the
// written name parses back to with the fake's US layout. Codes missing here
// are rejected.
struct NamedKey {
    std::uint16_t vk;
    const char* name;
    std::uint32_t parsed;
};

// clang-format off
constexpr NamedKey kNamedKeys[] = {
    {8, "BackSpace", 0}, {9, "Tab", 9}, {12, "Clear", 0}, {13, "Enter", 13},
    // The modifier keys alone: no name, and the press records key 0.
    {16, "", 0}, {17, "", 0}, {18, "", 0},
    {19, "Pause", 0}, {20, "CapsLock", 0}, {27, "Esc", 27}, {32, "Space", 32},
    {33, "PageUp", 0}, {34, "PageDown", 0}, {35, "End", 0}, {36, "Home", 0},
    {37, "LeftArrow", 0}, {38, "UpArrow", 0}, {39, "RightArrow", 0}, {40, "DownArrow", 0},
    {44, "PrintScreen", 0}, {45, "Ins", 0}, {46, "Del", 0}, {47, "Help", 0},
    {48, "0", 0x30}, {49, "1", 0x31}, {50, "2", 0x32}, {51, "3", 0x33}, {52, "4", 0x34},
    {53, "5", 0x35}, {54, "6", 0x36}, {55, "7", 0x37}, {56, "8", 0x38}, {57, "9", 0x39},
    // Codes no standard key sends; their characters come back as the keys typing them.
    {58, ":", 0xBA}, {59, ";", 0xBA}, {60, "<", 0xBC}, {61, "=", 0xBB}, {62, ">", 0xBE},
    {63, "?", 0xBF}, {64, "@", 0x32},
    {65, "A", 0x41}, {66, "B", 0x42}, {67, "C", 0x43}, {68, "D", 0x44}, {69, "E", 0x45},
    {70, "F", 0x46}, {71, "G", 0x47}, {72, "H", 0x48}, {73, "I", 0x49}, {74, "J", 0x4A},
    {75, "K", 0x4B}, {76, "L", 0x4C}, {77, "M", 0x4D}, {78, "N", 0x4E}, {79, "O", 0x4F},
    {80, "P", 0x50}, {81, "Q", 0x51}, {82, "R", 0x52}, {83, "S", 0x53}, {84, "T", 0x54},
    {85, "U", 0x55}, {86, "V", 0x56}, {87, "W", 0x57}, {88, "X", 0x58}, {89, "Y", 0x59},
    {90, "Z", 0x5A},
    // The keypad comes back as the main keyboard's keys.
    {96, "Num 0", 0x30}, {97, "Num 1", 0x31}, {98, "Num 2", 0x32}, {99, "Num 3", 0x33},
    {100, "Num 4", 0x34}, {101, "Num 5", 0x35}, {102, "Num 6", 0x36}, {103, "Num 7", 0x37},
    {104, "Num 8", 0x38}, {105, "Num 9", 0x39},
    {106, "*", 0x38}, {107, "+", 0xBB}, {108, "Separator", 0}, {109, "-", 0xBD},
    {110, ".", 0xBE}, {111, "/", 0xBF},
    {112, "F1", 0x70}, {113, "F2", 0x71}, {114, "F3", 0x72}, {115, "F4", 0x73},
    {116, "F5", 0x74}, {117, "F6", 0x75}, {118, "F7", 0x76}, {119, "F8", 0x77},
    {120, "F9", 0x78}, {121, "F10", 0x79}, {122, "F11", 0x7A}, {123, "F12", 0x7B},
    {124, "F13", 0}, {125, "F14", 0}, {126, "F15", 0}, {127, "F16", 0}, {128, "F17", 0},
    {129, "F18", 0}, {130, "F19", 0}, {131, "F20", 0}, {132, "F21", 0}, {133, "F22", 0},
    {134, "F23", 0}, {135, "F24", 0},
    {144, "Numlock", 0}, {145, "Scroll", 0},
};
// clang-format on

struct Held {
    bool ctrl, shift, alt;
    const char* words;
    std::uint32_t modifiers;
};

constexpr Held kHeld[] = {
    {false, false, false, "", 0},
    {true, false, false, "Ctrl  ", 2},
    {false, true, false, "Shift  ", 4},
    {false, false, true, "Alt  ", 1},
    {true, true, false, "Ctrl  Shift  ", 6},
    {true, false, true, "Ctrl  Alt  ", 3},
    {false, true, true, "Shift  Alt  ", 5},
    {true, true, true, "Ctrl  Shift  Alt  ", 7},
};

const NamedKey* FindNamed(unsigned vk) {
    for (const NamedKey& key : kNamedKeys)
        if (key.vk == vk)
            return &key;
    return nullptr;
}

TEST(HotkeyText, EveryKeyCodeFormatsAndParsesBack) {
    test::FakeDesktop desktop;
    std::vector<unsigned> codes;
    for (unsigned vk = 0; vk <= 0x1FF; ++vk)
        codes.push_back(vk);
    codes.push_back(0xFFFF);

    for (unsigned vk : codes) {
        const NamedKey* named = FindNamed(vk);
        const auto code = static_cast<std::uint16_t>(vk);
        SCOPED_TRACE(vk);
        EXPECT_EQ(KeyName(code), named ? std::optional<std::string>(named->name) : std::nullopt);
        for (const Held& held : kHeld) {
            SCOPED_TRACE(held.words);
            const FormattedHotkey f = FormatHotkeyText(held.ctrl, held.shift, held.alt, code);
            if (!named) {
                EXPECT_EQ(f, (FormattedHotkey{"", held.modifiers, code, true}));
                continue;
            }
            const bool modifierKey = named->name[0] == '\0';
            EXPECT_EQ(f, (FormattedHotkey{std::string(held.words) + named->name, held.modifiers,
                                          modifierKey ? std::uint16_t{0} : code, false}));
            EXPECT_EQ(ParseHotkeyText(f.text, desktop),
                      (HotkeyCodes{held.modifiers, named->parsed}));
        }
    }
}

TEST(HotkeyText, ParsesWordsWhateverTheirSpelling) {
    struct Case {
        std::string_view text;
        std::uint32_t modifiers;
        std::uint32_t vk;
    };
    const Case cases[] = {
        {"Ctrl  Shift  A", 6, 0x41},
        {"ctrl  shift  a", 6, 0x41},
        {"cTRL sHIFT a", 6, 0x41},
        {"A  Shift  Ctrl", 6, 0x41},
        {"Ctrl\tShift\tA", 6, 0x41},
        {"   Ctrl  Shift  A   ", 6, 0x41},
        {"Ctrl 1", 2, 0x31},
        {"Ctrl  1", 2, 0x31},
        {"Win  Q", 8, 0x51},
        {"win ALT shift CTRL", 15, 0},
        {"Ctrl Ctrl  ctrl", 2, 0},
        {"Win WIN alt Alt shift Shift Ctrl ctrl", 15, 0},
        {"Ctrl  ", 2, 0},
        {"", 0, 0},
        {"   ", 0, 0},
        {"Alt  PageUp", 1, 0},
        {"Ctrl  Num 7", 2, 0x37},
        {"Shift  A  B", 4, 0x42},
        {"Shift  Esc  Unknown", 4, 27},
        {"space", 0, 32},
        {"ENTER", 0, 13},
        {"Escape", 0, 0},
        {"tab", 0, 9},
        {"Ctrl  ~", 2, 255},
        // The function-key rule: only F1 to F12, anything else after the F
        // leaves the key alone. A lone F is a character.
        {"Ctrl  F", 2, 0x46},
        {"Ctrl  f5", 2, 0x74},
        {"F1", 0, 0x70},
        {"F12", 0, 0x7B},
        {"F05", 0, 0x74},
        {"Ctrl  F13", 2, 0},
        {"Ctrl  F0", 2, 0},
        {"A  F13", 0, 0x41},
        {"A  FOO", 0, 0x41},
        {"A  F5x", 0, 0x41},
        {"A  F+5", 0, 0x41},
        {"A  F-1", 0, 0x41},
        {"A  F1/", 0, 0x41},
        {"A  F4294967297", 0, 0x41},
        {"A  F99999999999999999999999999", 0, 0x41},
        {"F 5", 0, 0x35},
        // Every code from 1 to 32 separates words; 0, 33 and up do not.
        {"Ctrl\001Shift\037A", 6, 0x41},
        {"\rCtrl\nShift\vAlt\fA", 7, 0x41},
        {"Ctrl\0Alt"sv, 0, 0},
        {"\0"sv, 0, 255},
        {"Ctrl!A", 0, 0},
        {"Ctrl\177A", 0, 0},
        {"Ctrl\240A", 0, 0},
        {"Ctrl  \xe9", 2, 255},
    };
    test::FakeDesktop desktop;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(ParseHotkeyText(c.text, desktop), (HotkeyCodes{c.modifiers, c.vk}));
    }
}

TEST(HotkeyText, SingleCharactersGoThroughTheActiveLayout) {
    test::FakeDesktop desktop;
    desktop.keyMap['Z'] = 0x59;       // German layout: Z sits where Y is in the US one
    desktop.keyMap['z'] = 0x7F;       // must not be asked: words are capitalised first
    desktop.keyMap['F'] = 0x155;      // the lone F goes through the layout, F5 does not
    desktop.keyMap[U'\u00e9'] = 0x32; // French layout: e acute is on the 2 key
    desktop.keyMap[U'\u00c9'] = 0x7F; // its capital: only ASCII letters are capitalised
    desktop.keyMap[U'\u0436'] = 0x3B; // Russian layout: zhe is on the semicolon key
    desktop.keyMap['7'] = 0x137;      // French layout: the digits need Shift
    struct Case {
        std::string_view text;
        std::uint32_t modifiers;
        std::uint32_t vk;
    };
    const Case cases[] = {
        {"Ctrl  z", 2, 0x59},
        {"Ctrl  Z", 2, 0x59},
        {"F", 0, 0x55},
        {"F5", 0, 0x74},
        {"Alt  \xc3\xa9", 1, 0x32},
        {"Ctrl  Num 7", 2, 0x37},
        {"Shift  \xd0\xb6", 4, 0x3B},
        {"Alt  \xf0\x9f\x98\x80", 1, 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(ParseHotkeyText(c.text, desktop), (HotkeyCodes{c.modifiers, c.vk}));
    }
}

TEST(HotkeyText, DefaultTextsForTheFirstTenPositions) {
    const struct {
        int position;
        const char* text;
        std::uint32_t vk;
    } cases[] = {
        {-1, "", 0},         {0, "", 0},          {1, "Ctrl 1", 0x31}, {2, "Ctrl 2", 0x32},
        {3, "Ctrl 3", 0x33}, {4, "Ctrl 4", 0x34}, {5, "Ctrl 5", 0x35}, {6, "Ctrl 6", 0x36},
        {7, "Ctrl 7", 0x37}, {8, "Ctrl 8", 0x38}, {9, "Ctrl 9", 0x39}, {10, "Ctrl 0", 0x30},
        {11, "", 0},
    };
    test::FakeDesktop desktop;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        const std::string text = DefaultHotkeyText(c.position);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(ParseHotkeyText(text, desktop), (HotkeyCodes{text.empty() ? 0u : 2u, c.vk}));
    }
    // The default and the captured spelling register alike but are different texts.
    const std::string captured = FormatHotkeyText(true, false, false, '1').text;
    EXPECT_EQ(captured, "Ctrl  1");
    EXPECT_NE(captured, DefaultHotkeyText(1));
    EXPECT_EQ(ParseHotkeyText(captured, desktop), ParseHotkeyText(DefaultHotkeyText(1), desktop));
}

} // namespace
} // namespace pw
