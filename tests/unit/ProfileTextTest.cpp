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
    test::FakeDesktop latin1;
    const ProfileText text = ProfileText::Decode(bytes, latin1);
    ProfileFile file = ProfileFile::Parse(text.Text());
    change(file);
    return text.Encode(file, latin1);
}

std::string Unchanged(std::string_view bytes) {
    return Rewritten(bytes, [](ProfileFile&) {});
}

TEST(ProfileTextTest, EachEncodingIsReadInTheCodePageAndWrittenBackInItsOwn) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string written; // after Enable is set to 0 and a key added
    };
    const std::u16string before = u"[Copy]\r\nEnable=1\r\n[List]\r\n0=caf\u00e9\r\n";
    const std::u16string after = u"[Copy]\r\nEnable=0\r\nNew=\u00fc\r\n[List]\r\n0=caf\u00e9\r\n";
    const std::string ansiBefore = "[Copy]\r\nEnable=1\r\n[List]\r\n0=caf\xe9\r\n";
    const std::string ansiAfter = "[Copy]\r\nEnable=0\r\nNew=\xfc\r\n[List]\r\n0=caf\xe9\r\n";
    const Case cases[] = {
        {"code page", ansiBefore, ansiAfter},
        {"UTF-16, little-endian", Unicode(before), Unicode(after)},
        {"UTF-16, big-endian", Unicode(before, Order::Big), Unicode(after, Order::Big)},
        {"UTF-8 with its mark, taken as bytes", "\xEF\xBB\xBF" + ansiBefore,
         "\xEF\xBB\xBF" + ansiAfter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeDesktop latin1;
        const ProfileText text = ProfileText::Decode(c.bytes, latin1);
        const ProfileFile file = ProfileFile::Parse(text.Text());
        EXPECT_EQ(file.GetString("List", "0", ""), "caf\xe9");
        EXPECT_EQ(file.GetInt("Copy", "Enable", 0), 1);
        EXPECT_EQ(text.IsUnicode(),
                  c.bytes.starts_with("\xFF\xFE") || c.bytes.starts_with("\xFE\xFF"));
        EXPECT_EQ(Unchanged(c.bytes), c.bytes);
        EXPECT_EQ(Rewritten(c.bytes,
                            [](ProfileFile& f) {
                                f.SetString("Copy", "Enable", "0");
                                f.SetString("Copy", "New", "\xfc");
                            }),
                  c.written);
    }
}

TEST(ProfileTextTest, CharactersOutsideTheCodePageReadAsItsDefaultAndStayWhereNotWritten) {
    const std::string bytes =
        Unicode(u"; \u65e5\u672c\u8a9e notes\r\n[\u30ea\u30b9\u30c8]\r\nkey=\u2192\r\n"
                u"[List]\r\nCount=2\r\n0=\u65e5\u672c\r\n1=\u4e2d\u56fd\r\n");
    test::FakeDesktop latin1;
    const ProfileText text = ProfileText::Decode(bytes, latin1);
    const ProfileFile file = ProfileFile::Parse(text.Text());
    EXPECT_EQ(file.GetString("List", "0", ""), "??");
    EXPECT_EQ(file.GetString("List", "1", ""), "??");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"???", "List"}));

    // The first row removed: key 0 takes the second row's text as the program
    // holds it, which no longer says which characters it stood for.
    EXPECT_EQ(Rewritten(bytes,
                        [](ProfileFile& f) {
                            f.SetString("List", "Count", "1");
                            f.SetString("List", "0", "??");
                        }),
              Unicode(u"; \u65e5\u672c\u8a9e notes\r\n[\u30ea\u30b9\u30c8]\r\nkey=\u2192\r\n"
                      u"[List]\r\nCount=1\r\n0=??\r\n1=\u4e2d\u56fd\r\n"));
    EXPECT_EQ(Unchanged(bytes), bytes);
}

TEST(ProfileTextTest, DamagedUnicodeIsReadAsFarAsItGoesAndNothingIsLost) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string value; // of [A] k
    };
    const Case cases[] = {
        {"only the mark", "\xFF\xFE", "(none)"},
        {"the mark and half a character", "\xFF\xFE[", "(none)"},
        {"cut in the middle of a character", Unicode(u"[A]\r\nk=v\r\n") + "x", "v"},
        {"a lone high surrogate", Unicode(u"[A]\r\nk=a\xD800z\r\n"), "a?z"},
        {"a lone low surrogate at the end", Unicode(u"[A]\r\nk=\xDC00"), "?"},
        {"a zero character", Unicode(std::u16string_view(u"[A]\r\nk=a\0b\r\n", 12)), "a"},
        {"lone line breaks", Unicode(u"[A]\rk=v\n\n"), "v"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeDesktop latin1;
        const ProfileText text = ProfileText::Decode(c.bytes, latin1);
        EXPECT_TRUE(text.IsUnicode());
        EXPECT_EQ(ProfileFile::Parse(text.Text()).GetString("A", "k", "(none)"), c.value);

        // Written back with a change elsewhere: every line and the stray
        // byte are still there (line breaks become CR LF throughout).
        const std::string written =
            Rewritten(c.bytes, [](ProfileFile& f) { f.SetString("B", "new", "1"); });
        std::string expected = c.bytes.substr(0, 2 + (c.bytes.size() - 2) / 2 * 2);
        if (std::string_view(c.name) == "lone line breaks")
            expected = Unicode(u"[A]\r\nk=v\r\n\r\n");
        else if (expected.size() > 2 && !expected.ends_with(std::string("\r\0\n\0", 4)))
            expected += std::string("\r\0\n\0", 4);
        expected += Unicode(u"[B]\r\nnew=1\r\n").substr(2);
        if (c.bytes.size() % 2 == 1)
            expected += c.bytes.back();
        EXPECT_EQ(written, expected);
    }
}

} // namespace
} // namespace pw
