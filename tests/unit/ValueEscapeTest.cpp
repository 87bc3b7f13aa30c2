#include "persistence/ValueEscape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace pw {
namespace {

using namespace std::string_literals;

constexpr StoredFormat kBothFormats[] = {StoredFormat::Configuration, StoredFormat::Profile};

const char* Name(StoredFormat format) {
    return format == StoredFormat::Profile ? "Profile" : "Configuration";
}

bool Trimmed(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

// What the format's plain reader gives back for a value written on one line,
// or nullopt when the value would not even stay on its line.
std::optional<std::string> ReadBack(std::string_view written, StoredFormat format) {
    if (written.find_first_of("\r\n"s + '\0') != std::string_view::npos)
        return std::nullopt;
    while (!written.empty() && Trimmed(written.back()))
        written.remove_suffix(1);
    if (format == StoredFormat::Profile) {
        while (!written.empty() && Trimmed(written.front()))
            written.remove_prefix(1);
        if (written.size() >= 2 && (written.front() == '"' || written.front() == '\'') &&
            written.back() == written.front())
            written = written.substr(1, written.size() - 2);
    }
    return std::string(written);
}

struct EncodeCase {
    std::string text;
    std::string configuration; // the value written to a .pwc file
    std::string profile;       // the value written to options.ini
};

TEST(ValueEscapeTest, EncodesOnlyWhatThePlainFormatWouldLose) {
    const EncodeCase cases[] = {
        {"", "", ""},
        {"abc", "abc", "abc"},
        {"a b\tc", "a b\tc", "a b\tc"},
        {"100% sure", "100% sure", "100% sure"},
        {"%41", "%41", "%41"},
        {"key=value; not a comment", "key=value; not a comment", "key=value; not a comment"},
        {"[Section]", "[Section]", "[Section]"},
        {"caf\xE9 \xA0\xFF", "caf\xE9 \xA0\xFF", "caf\xE9 \xA0\xFF"},
        {"a\x01\x1F\x7F"
         "b",
         "a\x01\x1F\x7F"
         "b",
         "a\x01\x1F\x7F"
         "b"},
        {std::string(5000, 'x'), std::string(5000, 'x'), std::string(5000, 'x')},
        // Leading blanks and control bytes: kept by .pwc lines, trimmed in options.ini.
        {" abc", " abc", "%PW%%20abc"},
        {"\tabc", "\tabc", "%PW%%09abc"},
        {"\x1F"
         "abc",
         "\x1F"
         "abc",
         "%PW%%1Fabc"},
        // Trailing ones are trimmed by both.
        {"abc ", "%PW%abc%20", "%PW%abc%20"},
        {"abc\t", "%PW%abc%09", "%PW%abc%09"},
        {" ", "%PW%%20", "%PW%%20"},
        {"  ", "%PW%%20%20", "%PW%%20%20"},
        {" a b ", "%PW%%20a b%20", "%PW%%20a b%20"},
        // Line breaks, and a zero byte, which ends a text.
        {"one\r\ntwo", "%PW%one%0D%0Atwo", "%PW%one%0D%0Atwo"},
        {"one\ntwo", "%PW%one%0Atwo", "%PW%one%0Atwo"},
        {"one\rtwo", "%PW%one%0Dtwo", "%PW%one%0Dtwo"},
        {"a\0b"s, "%PW%a%00b", "%PW%a%00b"},
        // Once escaped, '%' and every control byte are escaped, inner blanks are not.
        {"50%\n", "%PW%50%25%0A", "%PW%50%25%0A"},
        {"a\tb c\n", "%PW%a%09b c%0A", "%PW%a%09b c%0A"},
        // Enclosing quotes are removed by options.ini's reader only.
        {"\"x\"", "\"x\"", "%PW%\"x\""},
        {"'x'", "'x'", "%PW%'x'"},
        {"\"\"", "\"\"", "%PW%\"\""},
        {"''", "''", "%PW%''"},
        {"\"", "\"", "\""},
        {"'", "'", "'"},
        {"\"mixed'", "\"mixed'", "\"mixed'"},
        {"\"open", "\"open", "\"open"},
        {"close\"", "close\"", "close\""},
        // A text that looks escaped is escaped, so that it reads back as itself.
        {"%PW%", "%PW%%25PW%25", "%PW%%25PW%25"},
        {"%PW%41", "%PW%%25PW%2541", "%PW%%25PW%2541"},
        {"%pw%x", "%pw%x", "%pw%x"},
        {"x%PW%", "x%PW%", "x%PW%"},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text.substr(0, 40)));
        EXPECT_EQ(EncodeStoredValue(c.text, StoredFormat::Configuration), c.configuration);
        EXPECT_EQ(EncodeStoredValue(c.text, StoredFormat::Profile), c.profile);
        EXPECT_EQ(SurvivesPlain(c.text, StoredFormat::Configuration), c.configuration == c.text);
        EXPECT_EQ(SurvivesPlain(c.text, StoredFormat::Profile), c.profile == c.text);
        for (StoredFormat format : kBothFormats)
            EXPECT_EQ(DecodeStoredValue(EncodeStoredValue(c.text, format)), c.text) << Name(format);
    }
}

TEST(ValueEscapeTest, DecodesValidPairsAndKeepsDamagedOnesAsTheyAre) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},
        {"%41", "%41"}, // no marker: the value is the text
        {"%PW%", ""},
        {"%PW%%41%42", "AB"},
        {"%PW%%4a%4A", "JJ"},
        {"%PW%%e9%E9", "\xE9\xE9"},
        {"%PW%%00", "\0"s},
        {"%PW%%FF", "\xFF"},
        {"%PW%%", "%"},
        {"%PW%%4", "%4"},
        {"%PW%x%", "x%"},
        {"%PW%%G1", "%G1"},
        {"%PW%%1G", "%1G"},
        {"%PW%%%41", "%A"},
        {"%PW%%%", "%%"},
        {"%PW%100% sure", "100% sure"},
        {"%PW%%2541", "%41"}, // decoded once only
        {"%PW%%PW%", "%PW%"},
        {"%pw%%41", "%pw%%41"},
        {" %PW%%41", " %PW%%41"},
        {"%PW%\xE9\x01 ", "\xE9\x01 "},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(testing::PrintToString(value));
        EXPECT_EQ(DecodeStoredValue(value), text);
    }
}

// Random texts of non-zero bytes, weighted towards the bytes the formats care
// about, with the marker now and then at the start.
std::string RandomText(std::mt19937& rng) {
    static constexpr char kInteresting[] = {'\r', '\n', ' ', '\t', '"',    '\'',   '%',   'P',
                                            'W',  '0',  'A', 'f',  '\x1A', '\x7F', '\xA0'};
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> anyByte(1, 255);
    std::uniform_int_distribution<std::size_t> interesting(0, sizeof kInteresting - 1);
    const int sizeKind = percent(rng);
    const std::size_t maxLength = sizeKind < 60 ? 8 : sizeKind < 90 ? 200 : 10000;
    std::string text;
    if (percent(rng) < 10)
        text = kEscapeMarker;
    const std::size_t length = std::uniform_int_distribution<std::size_t>(0, maxLength)(rng);
    const int interestingShare = percent(rng);
    while (text.size() < length) {
        if (percent(rng) < interestingShare)
            text += kInteresting[interesting(rng)];
        else
            text += static_cast<char>(anyByte(rng));
    }
    if (percent(rng) < 15 && text.size() >= 2)
        text.back() = text.front(); // enclosing quotes, blanks, ...
    return text;
}

TEST(ValueEscapeTest, EveryTextOfNonZeroBytesComesBackThroughEitherFormat) {
    const std::uint32_t seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    int plain[2] = {0, 0};
    int escaped[2] = {0, 0};
    std::size_t longest = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string text = RandomText(rng);
        longest = std::max(longest, text.size());
        for (StoredFormat format : kBothFormats) {
            const std::string value = EncodeStoredValue(text, format);
            const std::optional<std::string> read = ReadBack(value, format);
            ASSERT_TRUE(read.has_value()) << Name(format) << " " << testing::PrintToString(text);
            ASSERT_EQ(*read, value) << Name(format) << ": the reader changes the written value";
            ASSERT_EQ(DecodeStoredValue(*read), text) << Name(format);
            const bool survives = SurvivesPlain(text, format);
            // A text the plain format keeps is written as it is, any other escaped.
            ASSERT_EQ(survives, ReadBack(text, format) == text && !text.starts_with(kEscapeMarker))
                << Name(format) << " " << testing::PrintToString(text);
            if (survives)
                ASSERT_EQ(value, text) << Name(format);
            else
                ASSERT_TRUE(value.starts_with(kEscapeMarker)) << Name(format);
            ++(survives ? plain : escaped)[format == StoredFormat::Profile];
        }
    }
    // The generator reached both kinds of text in both formats, and long ones.
    for (int f = 0; f < 2; ++f) {
        EXPECT_GT(plain[f], 100);
        EXPECT_GT(escaped[f], 100);
    }
    EXPECT_GT(longest, 9000u);
}

TEST(ValueEscapeTest, EverySingleByteAndPairComesBack) {
    for (int a = 0; a < 256; ++a) {
        for (int b = -1; b < 256; ++b) {
            std::string text(1, static_cast<char>(a));
            if (b >= 0)
                text += static_cast<char>(b);
            for (StoredFormat format : kBothFormats) {
                const std::string value = EncodeStoredValue(text, format);
                ASSERT_EQ(ReadBack(value, format), value) << a << " " << b << " " << Name(format);
                ASSERT_EQ(DecodeStoredValue(value), text) << a << " " << b << " " << Name(format);
            }
        }
    }
}

} // namespace
} // namespace pw
