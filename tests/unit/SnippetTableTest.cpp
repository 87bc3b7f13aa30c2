#include "snippets/SnippetTable.h"
#include "support/StandInText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace pw {
namespace {

class SnippetTableTest : public ::testing::Test {
protected:
    SnippetTableTest() { view.SetColumns({{"No.", 40}, {"Content", 375}, {"Hotkey", 65}}); }

    // Which of the probe letters the duplicate test finds, in upper case;
    // the rows hold them in lower case.
    std::string Found() const {
        std::string found;
        for (char c : std::string("ABCDXYZ"))
            if (table.HasDuplicate(std::string(1, c)))
                found += c;
        return found;
    }

    ui::ListView view{"ListView1"};
    test::StandInTextCase textCase;
    SnippetTable table{view, textCase};
};

TEST_F(SnippetTableTest, DuplicateTestFoldsAsTheSystemUpperCasesEveryScript) {
    for (const char* content : {"abc", "\xC3\xA9t\xC3\xA9", "", "line1\r\nline2", "`", "{",
                                "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
                                "stra\xC3\x9F"
                                "e",
                                "\xCF\x83\xCE\xBF\xCF\x86\xCE\xB9\xCE\xB1", "\xF0\x9F\x98\x80x"})
        table.Append("", content, "");

    const struct {
        const char* text;
        bool duplicate;
    } cases[] = {
        {"abc", true},
        {"ABC", true},
        {"aBc", true},
        {" abc", false},
        {"abc ", false},
        {"ab", false},
        {"\xC3\x89T\xC3\x89", true}, // ÉTÉ
        {"\xC3\x89T", false},
        {"", true},
        {"LINE1\r\nLINE2", true},
        {"line1\nline2", false},
        {"`", true},
        {"{", true},
        {"@", false}, // the neighbours of a-z are not letters: ` and { stay apart from @ and [
        {"[", false},
        {"\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2", true}, // ПРИВЕТ
        {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", true}, // Привет
        {"\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95", false},
        {"STRA\xC3\x9F"
         "E",
         true}, // the sharp s has no upper case of its own
        {"STRASSE", false},
        {"\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91", true}, // ΣΟΦΙΑ
        {"\xF0\x9F\x98\x80X", true},
        {"\xF0\x9F\x98\x81X", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(table.HasDuplicate(c.text), c.duplicate);
        EXPECT_EQ(table.AppendUnlessDuplicate("", c.text) < 0, c.duplicate);
        if (!c.duplicate)
            table.DeleteBottomRow();
    }
}

TEST_F(SnippetTableTest, DuplicateTestFollowsEveryChangeOfTheRows) {
    for (const char* content : {"a", "b", "c"})
        table.Append("", content, "");
    EXPECT_EQ(Found(), "ABC");

    table.SetContent(1, "x");
    EXPECT_EQ(Found(), "ACX");
    table.SwapContents(0, 2);
    ASSERT_EQ(table.Content(0), "c");
    table.SetContent(0, "d"); // the row that now holds c, not the one that held it
    EXPECT_EQ(Found(), "ADX");
    table.SetHotkey(0, "Ctrl 1");
    table.DeleteBottomRow(); // a
    EXPECT_EQ(Found(), "DX");

    // Changes made on the list view itself, behind the table's back.
    view.SetCell(0, SnippetTable::kContentColumn, "y");
    EXPECT_EQ(Found(), "XY");
    view.AppendRow({"3", "z", ""});
    view.SwapCells(0, 2, SnippetTable::kContentColumn);
    table.SetContent(1, "b"); // a table write while its index is stale
    EXPECT_EQ(Found(), "BYZ");
    view.DeleteRow(2); // y
    EXPECT_EQ(Found(), "BZ");
    view.Clear();
    EXPECT_EQ(Found(), "");

    table.Append("1", "a", "");
    EXPECT_EQ(Found(), "A");
    table.Clear();
    EXPECT_EQ(Found(), "");
    EXPECT_EQ(table.RowCount(), 0);
}

TEST_F(SnippetTableTest, WritesOutsideTheRowsChangeNothing) {
    table.Append("1", "a", "Ctrl 1");
    table.SetContent(1, "x");
    table.SetContent(-1, "x");
    table.SwapContents(0, 1);
    table.SwapContents(0, 0);
    table.SetHotkey(3, "Ctrl 2");
    EXPECT_EQ(view.RowCount(), 1);
    EXPECT_EQ(table.Content(0), "a");
    EXPECT_EQ(table.Hotkey(0), "Ctrl 1");
    EXPECT_EQ(Found(), "A");
    table.DeleteBottomRow();
    table.DeleteBottomRow();
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(Found(), "");
}

// The folding works on whole words of eight bytes with a byte-wise tail, so
// every length around those borders and every byte value must agree with the
// one-byte-at-a-time rule.
TEST(AsciiFolding, WordWiseComparisonAgreesWithTheByteRule) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(1, 255);
    for (std::size_t length = 0; length <= 40; ++length) {
        for (int round = 0; round < 50; ++round) {
            std::string a(length, ' ');
            for (char& c : a)
                c = static_cast<char>(byte(random));
            std::string b = a;
            if (length > 0) {
                // Flip the case of a letter, or change one byte at random.
                const std::size_t at = random() % length;
                b[at] = static_cast<char>(round % 2 == 0 ? (b[at] ^ 0x20) : byte(random));
            }
            bool byteRule = true;
            for (std::size_t i = 0; i < length; ++i)
                byteRule = byteRule && AsciiUpper(a[i]) == AsciiUpper(b[i]);
            ASSERT_EQ(EqualsIgnoringAsciiCase(a, b), byteRule)
                << "length " << length << " round " << round;
        }
    }
    // The letters' neighbours and the high half are not letters.
    for (int c = 1; c < 256; ++c) {
        const std::string one(9, static_cast<char>(c));
        const std::string flipped(9, static_cast<char>(c ^ 0x20));
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        EXPECT_EQ(EqualsIgnoringAsciiCase(one, flipped), letter) << "byte " << c;
    }
}

TEST_F(SnippetTableTest, LongTextsFoundWhateverTheirCaseAndLength) {
    // Lengths on both sides of the word borders, each present in lower case.
    std::vector<std::string> texts;
    for (std::size_t length : {1u, 7u, 8u, 9u, 15u, 16u, 17u, 23u, 24u, 25u, 1000u, 65537u}) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += static_cast<char>('a' + (i * 7 + length) % 26);
        texts.push_back(text);
        EXPECT_GE(table.AppendUnlessDuplicate("", text), 0) << length;
    }
    for (const std::string& text : texts) {
        EXPECT_TRUE(table.HasDuplicate(AsciiUpper(text))) << text.size();
        EXPECT_EQ(table.AppendUnlessDuplicate("", AsciiUpper(text)), -1) << text.size();
        std::string longer = text + "a";
        EXPECT_FALSE(table.HasDuplicate(longer)) << text.size();
        std::string changed = text;
        changed.back() = '!';
        EXPECT_FALSE(table.HasDuplicate(changed)) << text.size();
    }
    EXPECT_EQ(table.RowCount(), static_cast<int>(texts.size()));
}

} // namespace
} // namespace pw
