#include "persistence/PwcFormat.h"
#include "persistence/StoredEncoding.h"
#include "support/StandInText.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace pw {
namespace {

TEST(Utf8Test, DamagedSequencesReadAsOneReplacementEachAndTakeNothingElse) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    };
    const Case cases[] = {
        {"ASCII", "plain text", u"plain text"},
        {"every length", "\xC3\xA9\xE2\x86\x92\xF0\x9F\x98\x80", u"\u00e9\u2192\U0001F600"},
        {"a stray continuation byte", "a\x80z", u"a\uFFFDz"},
        {"a code-page byte", "caf\xE9!", u"caf\uFFFD!"},
        {"cut short before ASCII", "\xE2\x86z", u"\uFFFD\uFFFDz"},
        {"cut short at the end", "z\xF0\x9F\x98", u"z\uFFFD\uFFFD\uFFFD"},
        {"overlong", "\xC0\xAF\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"an encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"a zero byte", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
        EXPECT_EQ(IsWellFormedUtf8(c.utf8), Utf16ToUtf8(c.utf16) == c.utf8);
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(c.utf16)), c.utf16);
    }
    // Lone surrogates in UTF-16 read as one replacement each.
    EXPECT_EQ(Utf16ToUtf8(u"a\xD800z\xDC00"), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
}

TEST(Utf8Test, CutsAndSingleCharactersNeverSplitACharacter) {
    const std::string text = "ab\xC3\xA9\xF0\x9F\x98\x80z"; // a b é 😀 z: 6 units
    const std::pair<std::size_t, std::string_view> cuts[] = {{0, ""},
                                                             {2, "ab"},
                                                             {3, "ab\xC3\xA9"},
                                                             {4, "ab\xC3\xA9"},
                                                             {5, "ab\xC3\xA9\xF0\x9F\x98\x80"},
                                                             {6, text},
                                                             {60, text}};
    for (const auto& [units, start] : cuts)
        EXPECT_EQ(FirstUtf16Units(text, units), start) << units;

    EXPECT_EQ(SingleCharacter("\xD0\xB6"), U'\u0436');
    EXPECT_EQ(SingleCharacter("\xF0\x9F\x98\x80"), U'\U0001F600');
    EXPECT_EQ(SingleCharacter("A"), U'A');
    EXPECT_EQ(SingleCharacter(""), std::nullopt);
    EXPECT_EQ(SingleCharacter("AB"), std::nullopt);
    EXPECT_EQ(SingleCharacter("\xD0\xB6\xD0\xB6"), std::nullopt);
}

// A little-endian or big-endian UTF-16 body.
std::string Utf16(std::u16string_view text, bool little) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(little ? unit & 0xFF : unit >> 8);
        bytes += static_cast<char>(little ? unit >> 8 : unit & 0xFF);
    }
    return bytes;
}

TEST(StoredEncodingTest, EachFormIsReadAsItsMarkSays) {
    const std::string expected = "caf\xC3\xA9 \xE2\x82\xAC\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"code page", "caf\xE9 \x80\r\n", expected},
        {"UTF-8", "\xEF\xBB\xBF" + expected, expected},
        {"UTF-16 little-endian", "\xFF\xFE" + Utf16(u"caf\u00e9 \u20ac\r\n", true), expected},
        {"UTF-16 big-endian", "\xFE\xFF" + Utf16(u"caf\u00e9 \u20ac\r\n", false), expected},
        {"only a mark", "\xEF\xBB\xBF", ""},
        {"UTF-16 with half a character", "\xFF\xFE" + Utf16(u"ab", true) + "c", "ab\xEF\xBF\xBD"},
        {"a mark inside is text", "x\xEF\xBB\xBF", "x\xC3\xAF\xC2\xBB\xC2\xBF"},
    };
    test::Cp1252 codePage;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeStoredText(c.bytes, codePage), c.text);
    }
}

// A code page of two-byte characters, as the East Asian ones: a byte from
// 0x81 up starts a character whose second byte may look like ASCII.
class DoubleByteCodePage final : public CodePage {
public:
    std::string WideToAnsi(std::u16string_view text) override {
        std::string ansi;
        for (const char16_t unit : text) {
            if (unit < 0x80) {
                ansi += static_cast<char>(unit);
            } else if (unit >= 0x4E00 && unit < 0x4E00 + 0x7F * 0x100) {
                ansi += static_cast<char>(0x81 + (unit - 0x4E00) / 0x100);
                ansi += static_cast<char>((unit - 0x4E00) % 0x100);
            } else {
                ansi += '?';
            }
        }
        return ansi;
    }
    std::u16string AnsiToWide(std::string_view text) override {
        std::u16string wide;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto lead = static_cast<unsigned char>(text[i]);
            if (lead < 0x81 || i + 1 == text.size()) {
                wide += lead < 0x80 ? static_cast<char16_t>(lead) : u'?';
                continue;
            }
            wide += static_cast<char16_t>(0x4E00 + (lead - 0x81) * 0x100 +
                                          static_cast<unsigned char>(text[++i]));
        }
        return wide;
    }
};

TEST(StoredEncodingTest, ADoubleByteCodePageIsConvertedByWholeCharacters) {
    DoubleByteCodePage codePage;
    // The second byte of the character is a backslash and a line break.
    const std::string ansi = std::string("a\x81\x5C\x82\x0A") + "b";
    const std::string text = std::string("a\xE4\xB9\x9C\xE4\xBC\x8A") + "b";
    EXPECT_EQ(DecodeStoredText(ansi, codePage), text);
    const std::vector<PwcEntry> entries = {{"1", text, ""}};
    const std::string bytes = ConfigurationFileBytes(entries, codePage);
    EXPECT_NE(bytes.find(ansi), std::string::npos);
    EXPECT_EQ(ConfigurationFileEntries(bytes, codePage), entries);
}

TEST(StoredEncodingTest, AConfigurationFileKeepsTodaysBytesUnlessATextDoesNotFitTheCodePage) {
    test::Cp1252 codePage;
    struct Case {
        const char* name;
        std::string content; // UTF-8
        bool fits;
    };
    const Case cases[] = {
        {"ASCII", "plain", true},
        {"Western letters and signs", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93", true},
        {"an arrow", "a \xE2\x86\x92 b", false},
        {"an emoji", "\xF0\x9F\x98\x80", false},
        {"Cyrillic", "\xD0\xBF\xD1\x80\xD0\xB8", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<PwcEntry> entries = {{"1", "first", "Ctrl  1"}, {"2", c.content, ""}};
        const std::string bytes = ConfigurationFileBytes(entries, codePage);
        const std::string text = SerializeConfiguration(entries);
        if (c.fits)
            EXPECT_EQ(bytes, codePage.WideToAnsi(Utf8ToUtf16(text)));
        else
            EXPECT_EQ(bytes, "\xEF\xBB\xBF" + text);
        EXPECT_EQ(ConfigurationFileEntries(bytes, codePage), entries);
    }
    // An escape written by hand that spells out no character.
    const std::string handMade = SerializeConfiguration({{{"1", "x", ""}}});
    const std::size_t at = handMade.find("=x\r\n");
    ASSERT_NE(at, std::string::npos);
    std::string damaged = handMade;
    damaged.replace(at, 4, "=%PW%%E9x\r\n");
    const std::vector<PwcEntry> read = ConfigurationFileEntries(damaged, codePage);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].content, "\xEF\xBF\xBDx");
}

} // namespace
} // namespace pw
