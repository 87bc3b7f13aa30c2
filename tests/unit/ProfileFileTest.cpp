#include "persistence/ProfileFile.h"
#include "persistence/ValueEscape.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace pw {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* section;
    const char* key;
    std::optional<std::string> value; // nullopt: no such key
};

struct FileCase {
    std::string name;
    std::string file;
    std::vector<ReadCase> reads;
};

std::vector<FileCase> ReadTable() {
    return {
        {"trimmed names and values",
         "[S]\r\n  k1  =  v1  \r\n\tk2\t=\tv 2\t\r\nk3= a  b \r\n \x01k4\x1F=\x01v4\x1A\r\n",
         {{"S", "k1", "v1"},
          {"S", "k2", "v 2"},
          {"S", "k3", "a  b"},
          {"S", "k4", "v4"},
          {" S\t", "\tk1 ", "v1"}}},
        {"quotes",
         "[Q]\r\ndq=\"x\"\r\nsq='x'\r\nmixed=\"mixed'\r\nopen=\"open\r\nclose=close\"\r\n"
         "empty=\"\"\r\none=\"\r\ninner=\" x \"\r\ntwice=\"\"x\"\"\r\nmid=a\"b\"\r\n"
         "spaced=  'y'  \r\n",
         {{"Q", "dq", "x"},
          {"Q", "sq", "x"},
          {"Q", "mixed", "\"mixed'"},
          {"Q", "open", "\"open"},
          {"Q", "close", "close\""},
          {"Q", "empty", ""},
          {"Q", "one", "\""},
          {"Q", "inner", " x "},
          {"Q", "twice", "\"x\""},
          {"Q", "mid", "a\"b\""},
          {"Q", "spaced", "y"}}},
        {"equals signs and semicolons",
         "[E]\r\neqin=a=b=c\r\nempty=\r\nonly==\r\n  = nameless\r\ninline=x ; not a comment\r\n"
         ";c=2\r\n;note\r\n",
         {{"E", "eqin", "a=b=c"},
          {"E", "empty", ""},
          {"E", "only", "="},
          {"E", "", "nameless"},
          {"E", "inline", "x ; not a comment"},
          {"E", ";c", "2"},
          {"E", ";note", std::nullopt}}},
        {"duplicates: first key, first section",
         "[D]\r\nk=first\r\nk=second\r\nK=third\r\n[Other]\r\nk=other\r\n[d]\r\nk=again\r\n"
         "extra=1\r\n",
         {{"D", "k", "first"}, {"D", "extra", std::nullopt}, {"other", "K", "other"}}},
        {"lines without '='",
         "[N]\r\nnoeq\r\nnoeq=3\r\n[broken\r\nafter=4\r\n[x=1\r\n",
         {{"N", "noeq", "3"},
          {"N", "after", "4"},
          {"N", "[x", "1"},
          {"broken", "after", std::nullopt}}},
        {"case of names",
         "[MiXeD]\r\nKeY=v\r\n[caf\xE9]\r\nk=accent\r\n",
         {{"mixed", "key", "v"},
          {"MIXED", "KEY", "v"},
          {"CAF\xE9", "K", "accent"},
          {"CAF\xC9", "k", std::nullopt}}}, // letter case is folded in ASCII only
        {"section headers",
         "lead=0\r\n[ Spaced ]\r\na=1\r\n[Junk] trailing\r\nb=2\r\n[a]b]\r\nc=3\r\n[]\r\nd=4\r\n",
         {{"", "lead", "0"},
          {"Spaced", "a", "1"},
          {"Junk", "b", "2"},
          {"a]b", "c", "3"},
          {"", "d", std::nullopt}}}, // "[]" repeats the leading part's name
        {"line breaks",
         "[L]\ra=1\rb=2\n\nc=3\r\n\r\rd=4",
         {{"L", "a", "1"}, {"L", "b", "2"}, {"L", "c", "3"}, {"L", "d", "4"}}},
        {"empty and missing", "", {{"S", "k", std::nullopt}, {"", "", std::nullopt}}},
        {"a zero byte ends its line",
         "[Z]\r\nk=a\0b\r\nq=\"x\"\0\"\r\nz\0=1\r\n[Y\0]\r\nafter=1\r\n"s,
         {{"Z", "k", "a"}, {"Z", "q", "x"}, {"Z", "z", std::nullopt}, {"Z", "after", "1"}}},
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBF[B]\r\nk=v\r\n", {{"B", "k", "v"}}},
        {"high bytes are text",
         "[H]\r\nk=\xA0v\xA0\r\n\xFF=\xFE\r\n",
         {{"H", "k", "\xA0v\xA0"}, {"H", "\xFF", "\xFE"}}},
        {"long values are not cut",
         "[Long]\r\nk=" + std::string(100000, 'x') + "\r\n",
         {{"Long", "k", std::string(100000, 'x')}}},
    };
}

TEST(ProfileFileTest, ReadsTrickyFiles) {
    for (const FileCase& c : ReadTable()) {
        SCOPED_TRACE(c.name);
        const ProfileFile file = ProfileFile::Parse(c.file);
        for (const ReadCase& read : c.reads) {
            SCOPED_TRACE(testing::PrintToString(std::string(read.section)) + " " +
                         testing::PrintToString(std::string(read.key)));
            EXPECT_EQ(file.Find(read.section, read.key), read.value);
            EXPECT_EQ(file.GetString(read.section, read.key, "<default>"),
                      read.value.value_or("<default>"));
        }
    }
}

TEST(ProfileFileTest, ReadsIntegers) {
    const std::pair<std::string, int> cases[] = {
        {"0", 0},
        {"42", 42},
        {"  7  ", 7},
        {"\"7\"", 7},
        {"+9", 9},
        {"-5", -5},
        {"010", 10},
        {"00000000000000000000012", 12},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"0x10", 16},
        {"0X1F", 31},
        {"0x1f", 31},
        {"0xaBcD", 0xABCD},
        {"-0x10", -16},
        {"+0x10", 16},
        {"0x7FFFFFFF", INT_MAX},
        {"0x80000000", INT_MIN},
        {"0xFFFFFFFF", -1},
        {"-0x1", -1},
        {"0x0000000000FF", 255},
        // Not integers: the default.
        {"", 77},
        {"abc", 77},
        {"12abc", 77},
        {"1 2", 77},
        {"- 5", 77},
        {"-", 77},
        {"+", 77},
        {"+-1", 77},
        {"0x", 77},
        {"0x1g", 77},
        {"x10", 77},
        {"1.5", 77},
        {"1e3", 77},
        {"2147483648", 77},
        {"-2147483649", 77},
        {"99999999999999999999999", 77},
        {"0x100000000", 77},
        {"0xFFFFFFFFFFFFFFFFF", 77},
        {"\xEF\xBC\x91", 77}, // a full-width digit
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(value));
        const ProfileFile file = ProfileFile::Parse("[I]\r\nk=" + value + "\r\n");
        EXPECT_EQ(file.GetInt("I", "k", 77), expected);
    }
    const ProfileFile file = ProfileFile::Parse("[I]\r\nk=1\r\n");
    EXPECT_EQ(file.GetInt("I", "missing", -3), -3);
    EXPECT_EQ(file.GetInt("Missing", "k", -3), -3);
}

struct Edit {
    const char* section;
    const char* key;
    std::string value;
    std::optional<std::string> readsBack = std::nullopt; // when not the value itself
};

struct WriteCase {
    std::string name;
    std::string before;
    std::vector<Edit> edits;
    std::string after;
};

TEST(ProfileFileTest, WritesKeysInPlaceAtTheEndOfTheirSectionOrInANewSection) {
    const WriteCase cases[] = {
        {"unchanged file",
         "; about\r\n[S]\r\n  k = v  \r\n\r\njunk\r\n",
         {},
         "; about\r\n[S]\r\n  k = v  \r\n\r\njunk\r\n"},
        {"line breaks become CR LF and the last line gets one",
         "[S]\nk=v\r\rx",
         {},
         "[S]\r\nk=v\r\n\r\nx\r\n"},
        {"an existing key keeps its place and spelling",
         "[Sec]\r\n; keep\r\n  MyKey  =  old  \r\nother = 1\r\n",
         {{"SEC", "mykey", "new"}},
         "[Sec]\r\n; keep\r\nMyKey=new\r\nother = 1\r\n"},
        {"a new key goes after the last line of its section, before blank lines",
         "[a]\r\nx=1\r\n;c\r\n\r\n\r\n[b]\r\ny=2\r\n",
         {{"a", "new", "v"}},
         "[a]\r\nx=1\r\n;c\r\nnew=v\r\n\r\n\r\n[b]\r\ny=2\r\n"},
        {"blank lines inside a section stay inside it",
         "[a]\r\nx=1\r\n\r\ny=2\r\n\r\n",
         {{"a", "z", "3"}},
         "[a]\r\nx=1\r\n\r\ny=2\r\nz=3\r\n\r\n"},
        {"a new section goes at the end of the file",
         "[a]\r\nx=1",
         {{"b", "k", "v"}},
         "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"a new section after trailing blank lines",
         "[a]\r\nx=1\r\n\r\n",
         {{" b ", " k ", "v"}},
         "[a]\r\nx=1\r\n\r\n[b]\r\nk=v\r\n"},
        {"an empty file",
         "",
         {{"Copy", "Enable", "0"}, {"AutoAdd", "Enable", "1"}, {"Copy", "Other", "x"}},
         "[Copy]\r\nEnable=0\r\nOther=x\r\n[AutoAdd]\r\nEnable=1\r\n"},
        {"the first of two sections of a name",
         "[a]\r\nx=1\r\n[b]\r\n[A]\r\ny=2\r\n",
         {{"a", "y", "3"}, {"A", "x", "4"}},
         "[a]\r\nx=4\r\ny=3\r\n[b]\r\n[A]\r\ny=2\r\n"},
        {"the first of two keys of a name",
         "[a]\r\nk=1\r\nK=2\r\n",
         {{"a", "k", "3"}},
         "[a]\r\nk=3\r\nK=2\r\n"},
        {"a key added, then set again",
         "[a]\r\n",
         {{"a", "k", "1"}, {"a", "K", "2"}},
         "[a]\r\nk=2\r\n"},
        {"the part before the first section",
         "top=1\r\n[a]\r\n",
         {{"", "top", "2"}, {"", "next", "3"}},
         "top=2\r\nnext=3\r\n[a]\r\n"},
        {"values are written as they are",
         "[a]\r\n",
         {{"a", "k", "  \"x\"  ", "x"}, {"a", "e", ""}, {"a", "eq", "=a=b"}},
         "[a]\r\nk=  \"x\"  \r\ne=\r\neq==a=b\r\n"},
        {"a line with a zero byte stays as it was",
         "[a]\r\nz=a\0b\r\nk=1\r\n"s,
         {{"a", "k", "2"}},
         "[a]\r\nz=a\0b\r\nk=2\r\n"s},
        {"the byte-order mark stays",
         "\xEF\xBB\xBF[a]\r\n",
         {{"a", "k", "v"}},
         "\xEF\xBB\xBF[a]\r\nk=v\r\n"},
        {"a key that looks like a byte-order mark at the start gets one before it",
         "  \xEF\xBB\xBF=1\r\n",
         {{"", "\xEF\xBB\xBF", "2"}},
         "\xEF\xBB\xBF\xEF\xBB\xBF=2\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileFile file = ProfileFile::Parse(c.before);
        for (const Edit& edit : c.edits) {
            EXPECT_TRUE(file.SetString(edit.section, edit.key, edit.value));
            EXPECT_EQ(file.Find(edit.section, edit.key), edit.readsBack.value_or(edit.value));
        }
        EXPECT_EQ(file.Serialize(), c.after);
        // What was written reads back the same from the bytes.
        const ProfileFile reread = ProfileFile::Parse(file.Serialize());
        for (const Edit& edit : c.edits)
            EXPECT_EQ(reread.Find(edit.section, edit.key), file.Find(edit.section, edit.key));
        EXPECT_EQ(reread.Serialize(), c.after);
    }
}

TEST(ProfileFileTest, RefusesWhatALineCannotHold) {
    const Edit refused[] = {
        {"S", "k", "a\r\nb"},   {"S", "k", "a\nb"}, {"S", "k", "a\rb"}, {"S", "k", "a\0b"s},
        {"S", "k=x", "v"},      {"S", "[k]", "v"},  {"S", " [k", "v"},  {"S", "k\nx", "v"},
        {"S\r\n[T]", "k", "v"}, {"S", "k\rx", "v"},
    };
    const std::string before = "[S]\r\nk=old\r\n";
    ProfileFile file = ProfileFile::Parse(before);
    for (const Edit& edit : refused) {
        SCOPED_TRACE(
            testing::PrintToString(std::string(edit.section) + "/" + edit.key + "/" + edit.value));
        EXPECT_FALSE(file.SetString(edit.section, edit.key, edit.value));
        EXPECT_EQ(file.Serialize(), before);
    }
    EXPECT_FALSE(file.SetString("S\0T"s, "k", "v"));
    EXPECT_EQ(file.Serialize(), before);
}

TEST(ProfileFileTest, EscapedTextsComeBackThroughTheFileExactly) {
    std::vector<std::string> texts = {
        "",
        "plain",
        " lead",
        "trail ",
        "\ttab\t",
        "\"quoted\"",
        "'single'",
        "\"",
        "line\r\nbreak\n\r",
        "100%",
        "%PW%",
        "%PW%%41",
        "a\0b"s,
        "[S]\r\nk=v",
        "x=y",
        std::string(5000, ' '),
        "\x01\x1A\x7F\xA0\xFF",
    };
    std::string all;
    for (int c = 255; c >= 0; --c)
        all += static_cast<char>(c);
    texts.push_back(all);

    ProfileFile file = ProfileFile::Parse("[Keep]\r\nk=1\r\n");
    for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_TRUE(file.SetString("Texts", std::to_string(i),
                                   EncodeStoredValue(texts[i], StoredFormat::Profile)));
    const ProfileFile reread = ProfileFile::Parse(file.Serialize());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(DecodeStoredValue(reread.GetString("Texts", std::to_string(i), "?")), texts[i]);
    }
    EXPECT_EQ(reread.GetString("Keep", "k", "?"), "1");
}

TEST(ProfileFileTest, ListsSectionsAndKeysAsSpelled) {
    const ProfileFile file = ProfileFile::Parse(
        "lead=0\r\n[One]\r\nA=1\r\nnoeq\r\n b = 2\r\nA=3\r\n[Two]\r\n[one]\r\nc=4\r\n");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"One", "Two", "one"}));
    EXPECT_EQ(file.KeyNames("ONE"), (std::vector<std::string>{"A", "b", "A"}));
    EXPECT_EQ(file.KeyNames(""), (std::vector<std::string>{"lead"}));
    EXPECT_TRUE(file.KeyNames("Two").empty());
    EXPECT_TRUE(file.KeyNames("Three").empty());
}

TEST(ProfileFileTest, ALargeFileIsReadAndWrittenWhole) {
    // Rows in three sections, as the settings file keeps its list; quadratic
    // work per key would not finish within the test's time limit.
    constexpr int kRows = 30000;
    ProfileFile file;
    const char* sections[] = {"IndexList", "ClipStringList", "HotkeyList"};
    for (int i = 0; i < kRows; ++i) {
        for (const char* section : sections)
            ASSERT_TRUE(file.SetString(section, std::to_string(i), section + std::to_string(i)));
    }
    const std::string bytes = file.Serialize();
    const ProfileFile reread = ProfileFile::Parse(bytes);
    for (int i = 0; i < kRows; i += 997) {
        for (const char* section : sections)
            ASSERT_EQ(reread.GetString(section, std::to_string(i), ""),
                      section + std::to_string(i));
    }
    ProfileFile changed = reread;
    std::size_t shorter = 0;
    for (int i = 0; i < kRows; ++i) {
        shorter += reread.GetString("ClipStringList", std::to_string(i), "").size() - 1;
        ASSERT_TRUE(changed.SetString("ClipStringList", std::to_string(i), "x"));
    }
    EXPECT_EQ(changed.Serialize().size(), bytes.size() - shorter);
    EXPECT_EQ(changed.GetString("ClipStringList", std::to_string(kRows - 1), ""), "x");
    EXPECT_EQ(changed.GetString("IndexList", std::to_string(kRows - 1), ""),
              "IndexList" + std::to_string(kRows - 1));
}

// Writing a list section in one pass must leave exactly the file that
// writing its keys one by one leaves, whatever the old file held.
TEST(ProfileFileTest, NumberedKeysWrittenTogetherMatchKeyByKey) {
    const std::vector<std::string> previous = {
        "",
        "[List]\r\n",
        "[List]\r\n0=old\r\n1=old\r\n9=beyond\r\n\r\n[Other]\r\nx=1\r\n",
        "[list]\r\n 1 = spaced\r\n03=not three\r\n3=three\r\n3=second three\r\nCount=2\r\n",
        "[List]\r\nnoequals\r\n2=two\r\n\r\n\r\n[List]\r\n0=second section\r\n",
    };
    const std::vector<std::vector<std::string>> lists = {
        {}, {"a"}, {"a", "b", "c", "d"}, {"", " x ", "%PW%%0D", "y"}};
    for (const std::string& before : previous) {
        for (const std::vector<std::string>& values : lists) {
            SCOPED_TRACE(before + " / " + std::to_string(values.size()));
            ProfileFile together = ProfileFile::Parse(before);
            ProfileFile oneByOne = ProfileFile::Parse(before);
            // A lookup first, so the key index exists and must be kept right.
            EXPECT_EQ(together.Find("List", "0"), oneByOne.Find("List", "0"));
            ASSERT_TRUE(together.SetNumberedKeys("List", values));
            for (std::size_t i = 0; i < values.size(); ++i)
                ASSERT_TRUE(oneByOne.SetString("List", std::to_string(i), values[i]));
            EXPECT_EQ(together.Serialize(), oneByOne.Serialize());
            for (std::size_t i = 0; i < values.size() + 2; ++i)
                EXPECT_EQ(together.Find("List", std::to_string(i)),
                          oneByOne.Find("List", std::to_string(i)));
        }
    }
    ProfileFile refused = ProfileFile::Parse("[List]\r\n0=kept\r\n");
    EXPECT_FALSE(refused.SetNumberedKeys("List", {"fine", "line\r\nbreak"}));
    EXPECT_EQ(refused.Serialize(), "[List]\r\n0=kept\r\n");
}

} // namespace
} // namespace pw
