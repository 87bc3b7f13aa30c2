#include "persistence/ProfileFile.h"
#include "persistence/ProfileText.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace pw {
namespace {

enum class Order { Little, Big };

// The text as a Unicode file: the byte-order mark, then two bytes a unit.
std::string Unicode(std::u16string_view text, Order order = Order::Little) {
    std::string bytes = order == Order::Little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += order == Order::Little ? low : high;
        bytes += order == Order::Little ? high : low;
    }
    return bytes;
}

// Decodes, lets `change` work on the parsed file and encodes the result.
template <class Change> std::string Rewritten(std::string_view bytes, Change change) {
    test::FakeDesktop desktop;
    const ProfileText text = ProfileText::Decode(bytes, desktop);
    ProfileFile file = ProfileFile::Parse(text.Text());
    change(file);
    return text.Encode(file, desktop);
}

std::string Unchanged(std::string_view bytes) {
    return Rewritten(bytes, [](ProfileFile&) {});
}

TEST(ProfileTextTest, EachEncodingIsReadAsItsMarkSaysAndWrittenBackInItsOwn) {
    struct Case {
        const char* name;
        std::string bytes;
        StoredEncoding encoding;
        std::string written; // after Enable is set to 0 and a key added
    };
    const std::u16string before = u"[Copy]\r\nEnable=1\r\n[List]\r\n0=caf\u00e9\r\n";
    const std::u16string after = u"[Copy]\r\nEnable=0\r\nNew=\u00fc\r\n[List]\r\n0=caf\u00e9\r\n";
    const std::string ansiBefore = "[Copy]\r\nEnable=1\r\n[List]\r\n0=caf\xe9\r\n";
    const std::string ansiAfter = "[Copy]\r\nEnable=0\r\nNew=\xfc\r\n[List]\r\n0=caf\xe9\r\n";
    const std::string utf8Before = "\xEF\xBB\xBF[Copy]\r\nEnable=1\r\n[List]\r\n0=caf\xC3\xA9\r\n";
    const std::string utf8After =
        "\xEF\xBB\xBF[Copy]\r\nEnable=0\r\nNew=\xC3\xBC\r\n[List]\r\n0=caf\xC3\xA9\r\n";
    const Case cases[] = {
        {"code page", ansiBefore, StoredEncoding::CodePage, ansiAfter},
        {"UTF-16, little-endian", Unicode(before), StoredEncoding::Utf16Le, Unicode(after)},
        {"UTF-16, big-endian", Unicode(before, Order::Big), StoredEncoding::Utf16Be,
         Unicode(after, Order::Big)},
        {"UTF-8 with its mark", utf8Before, StoredEncoding::Utf8, utf8After},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeDesktop desktop;
        const ProfileText text = ProfileText::Decode(c.bytes, desktop);
        const ProfileFile file = ProfileFile::Parse(text.Text());
        EXPECT_EQ(file.GetString("List", "0", ""), "caf\xC3\xA9");
        EXPECT_EQ(file.GetInt("Copy", "Enable", 0), 1);
        EXPECT_EQ(text.Encoding(), c.encoding);
        EXPECT_EQ(Unchanged(c.bytes), c.bytes);
        EXPECT_EQ(Rewritten(c.bytes,
                            [](ProfileFile& f) {
                                f.SetString("Copy", "Enable", "0");
                                f.SetString("Copy", "New", "\xC3\xBC");
                            }),
                  c.written);
    }
}

TEST(ProfileTextTest, ACodePageFileStaysOneWhileItsTextsFitAndBecomesUtf16WhenOneDoesNot) {
    const std::string previous = "; notes \xe9\r\n[A]\r\nk=1\r\n";
    struct Case {
        const char* name;
        std::string value; // UTF-8
        std::string written;
    };
    const Case cases[] = {
        {"ASCII", "plain", "; notes \xe9\r\n[A]\r\nk=plain\r\n"},
        {"Latin letters and the euro sign", "\xC3\xBC \xE2\x82\xAC",
         "; notes \xe9\r\n[A]\r\nk=\xfc \x80\r\n"},
        {"an arrow", "a \xE2\x86\x92 b", Unicode(u"; notes \u00e9\r\n[A]\r\nk=a \u2192 b\r\n")},
        {"an emoji", "\xF0\x9F\x98\x80", Unicode(u"; notes \u00e9\r\n[A]\r\nk=\U0001F600\r\n")},
        {"Cyrillic", "\xD0\xBF\xD1\x80\xD0\xB8",
         Unicode(u"; notes \u00e9\r\n[A]\r\nk=\u043f\u0440\u0438\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Rewritten(previous, [&](ProfileFile& f) { f.SetString("A", "k", c.value); }),
                  c.written);
    }
}

TEST(ProfileTextTest, CharactersOfAnyScriptAreReadAsTheyAreAndKeptWhereNotWritten) {
    const std::string bytes =
        Unicode(u"; \u65e5\u672c\u8a9e notes\r\n[\u30ea\u30b9\u30c8]\r\nkey=\u2192\r\n"
                u"[List]\r\nCount=2\r\n0=\u65e5\u672c\r\n1=\U0001F600\r\n");
    test::FakeDesktop desktop;
    const ProfileText text = ProfileText::Decode(bytes, desktop);
    const ProfileFile file = ProfileFile::Parse(text.Text());
    EXPECT_EQ(file.GetString("List", "0", ""), "\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(file.GetString("List", "1", ""), "\xF0\x9F\x98\x80");
    EXPECT_EQ(file.SectionNames(),
              (std::vector<std::string>{"\xE3\x83\xAA\xE3\x82\xB9\xE3\x83\x88", "List"}));

    EXPECT_EQ(Rewritten(bytes,
                        [](ProfileFile& f) {
                            f.SetString("List", "Count", "1");
                            f.SetString("List", "0", "\xF0\x9F\x98\x80");
                        }),
              Unicode(u"; \u65e5\u672c\u8a9e notes\r\n[\u30ea\u30b9\u30c8]\r\nkey=\u2192\r\n"
                      u"[List]\r\nCount=1\r\n0=\U0001F600\r\n1=\U0001F600\r\n"));
    EXPECT_EQ(Unchanged(bytes), bytes);
}

TEST(ProfileTextTest, DamagedUnicodeReadsAsReplacementCharactersAndNothingIsLost) {
    const std::string added16 = Unicode(u"[B]\r\nnew=1\r\n").substr(2);
    const std::string crlf16("\r\0\n\0", 4);
    struct Case {
        const char* name;
        std::string bytes;
        std::string value;   // of [A] k
        std::string written; // after [B] new=1 is added
    };
    const Case cases[] = {
        {"only the mark", "\xFF\xFE", "(none)", "\xFF\xFE" + added16},
        {"the mark and half a character", "\xFF\xFE[", "(none)", "\xFF\xFE" + added16 + "["},
        {"cut in the middle of a character", Unicode(u"[A]\r\nk=v\r\n") + "x", "v",
         Unicode(u"[A]\r\nk=v\r\n") + added16 + "x"},
        {"a lone high surrogate", Unicode(u"[A]\r\nk=a\xD800z\r\n"), "a\xEF\xBF\xBDz",
         Unicode(u"[A]\r\nk=a\xD800z\r\n") + added16},
        {"a lone low surrogate at the end", Unicode(u"[A]\r\nk=\xDC00"), "\xEF\xBF\xBD",
         Unicode(u"[A]\r\nk=\xDC00") + crlf16 + added16},
        {"a zero character", Unicode(std::u16string_view(u"[A]\r\nk=a\0b\r\n", 12)), "a",
         Unicode(std::u16string_view(u"[A]\r\nk=a\0b\r\n", 12)) + added16},
        {"lone line breaks", Unicode(u"[A]\rk=v\n\n"), "v",
         Unicode(u"[A]\r\nk=v\r\n\r\n") + added16},
        {"UTF-8: a byte that starts no character", "\xEF\xBB\xBF[A]\r\nk=a\xFFz\r\n",
         "a\xEF\xBF\xBDz", "\xEF\xBB\xBF[A]\r\nk=a\xFFz\r\n[B]\r\nnew=1\r\n"},
        {"UTF-8: a character cut short", "\xEF\xBB\xBF[A]\r\nk=\xE2\x86z\r\n",
         "\xEF\xBF\xBD\xEF\xBF\xBDz", "\xEF\xBB\xBF[A]\r\nk=\xE2\x86z\r\n[B]\r\nnew=1\r\n"},
        {"UTF-8: an encoded surrogate", "\xEF\xBB\xBF[A]\r\nk=\xED\xA0\x80\r\n",
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
         "\xEF\xBB\xBF[A]\r\nk=\xED\xA0\x80\r\n[B]\r\nnew=1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeDesktop desktop;
        const ProfileText text = ProfileText::Decode(c.bytes, desktop);
        EXPECT_NE(text.Encoding(), StoredEncoding::CodePage);
        EXPECT_EQ(ProfileFile::Parse(text.Text()).GetString("A", "k", "(none)"), c.value);
        // Written back with a change elsewhere: every line and the stray
        // byte are still there (line breaks become CR LF throughout).
        EXPECT_EQ(Rewritten(c.bytes, [](ProfileFile& f) { f.SetString("B", "new", "1"); }),
                  c.written);
    }
}

} // namespace
} // namespace pw
