#include "text/Utf8.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace pw {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The character at `at` and the bytes it takes; kReplacement and one byte
// for anything that is not a well-formed sequence.
struct Decoded {
    char32_t ch;
    std::size_t length;
};

Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t ch = 0;
    // The second byte's range rules out overlong forms, surrogates and
    // characters beyond U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        ch = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        ch = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        ch = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {kReplacement, 1};
    }
    if (at + length > text.size())
        return {kReplacement, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return {kReplacement, 1};
        ch = ch << 6 | (next & 0x3F);
    }
    return {ch, length};
}

std::size_t Utf8Length(char32_t ch) {
    return ch < 0x80 ? 1 : ch < 0x800 ? 2 : ch < 0x10000 ? 3 : 4;
}

char* PutUtf8(char* out, char32_t ch) {
    if (ch < 0x80) {
        *out++ = static_cast<char>(ch);
    } else if (ch < 0x800) {
        *out++ = static_cast<char>(0xC0 | ch >> 6);
        *out++ = static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        *out++ = static_cast<char>(0xE0 | ch >> 12);
        *out++ = static_cast<char>(0x80 | (ch >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | ch >> 18);
        *out++ = static_cast<char>(0x80 | (ch >> 12 & 0x3F));
        *out++ = static_cast<char>(0x80 | (ch >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (ch & 0x3F));
    }
    return out;
}

// Calls ascii(run) for each run of ASCII bytes and put(ch) for each other
// character of the UTF-8 text.
template <typename Ascii, typename Put>
void EachOfUtf8(std::string_view text, Ascii&& ascii, Put&& put) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t run = AsciiPrefix(text.substr(at));
        if (run > 0)
            ascii(text.substr(at, run));
        at += run;
        if (at == text.size())
            break;
        const Decoded d = DecodeAt(text, at);
        put(d.ch);
        at += d.length;
    }
}

// The character at unit i of `count` UTF-16 units, unit(i) giving the i-th;
// i moves past it. A lone surrogate reads as U+FFFD and sets `lone`.
template <typename Unit>
char32_t NextOfUtf16(std::size_t count, Unit&& unit, std::size_t& i, bool& lone) {
    char32_t ch = unit(i++);
    if (ch < 0xD800 || ch >= 0xE000)
        return ch;
    const char32_t next = i < count ? unit(i) : 0;
    if (ch < 0xDC00 && next >= 0xDC00 && next < 0xE000) {
        ++i;
        return 0x10000 + ((ch - 0xD800) << 10) + (next - 0xDC00);
    }
    lone = true;
    return kReplacement;
}

// Calls put(ch) for each character of the units; true when a lone surrogate
// was read.
template <typename Unit, typename Put> bool EachOfUtf16(std::size_t count, Unit&& unit, Put&& put) {
    bool lone = false;
    for (std::size_t i = 0; i < count;)
        put(NextOfUtf16(count, unit, i, lone));
    return lone;
}

// Large texts are sized exactly before they are written: a buffer for the
// worst case costs more to clear than the conversion itself.
std::size_t Utf16LengthOf(std::string_view text) {
    std::size_t units = 0;
    EachOfUtf8(
        text, [&](std::string_view run) { units += run.size(); },
        [&](char32_t ch) { units += ch >= 0x10000 ? 2 : 1; });
    return units;
}

template <typename Unit> std::string Utf8Of(std::size_t count, Unit&& unit, bool* lone) {
    std::size_t length = 0;
    const bool sawLone = EachOfUtf16(count, unit, [&](char32_t ch) { length += Utf8Length(ch); });
    if (lone != nullptr)
        *lone = sawLone;
    std::string out(length, '\0');
    char* put = out.data();
    EachOfUtf16(count, unit, [&](char32_t ch) { put = PutUtf8(put, ch); });
    return out;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out(Utf16LengthOf(text), u'\0');
    char16_t* put = out.data();
    EachOfUtf8(
        text,
        [&](std::string_view run) {
            for (const char c : run)
                *put++ = static_cast<char16_t>(c);
        },
        [&](char32_t ch) {
            if (ch < 0x10000) {
                *put++ = static_cast<char16_t>(ch);
            } else {
                *put++ = static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
                *put++ = static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
            }
        });
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return Utf8Of(
        text.size(), [&](std::size_t i) { return text[i]; }, nullptr);
}

void AppendUtf16Bytes(std::string& out, std::string_view text, bool littleEndian) {
    // No UTF-8 sequence takes fewer bytes than twice its UTF-16 units: room
    // for that, and one pass.
    const std::size_t at = out.size();
    out.resize(at + 2 * text.size());
    char* put = out.data() + at;
    const auto unit = [&](char32_t u) {
        *put++ = static_cast<char>(littleEndian ? u & 0xFF : u >> 8);
        *put++ = static_cast<char>(littleEndian ? u >> 8 : u & 0xFF);
    };
    EachOfUtf8(
        text,
        [&](std::string_view run) {
            for (const char c : run)
                unit(static_cast<unsigned char>(c));
        },
        [&](char32_t ch) {
            if (ch < 0x10000) {
                unit(ch);
            } else {
                unit(0xD800 + ((ch - 0x10000) >> 10));
                unit(0xDC00 + ((ch - 0x10000) & 0x3FF));
            }
        });
    out.resize(static_cast<std::size_t>(put - out.data()));
}

namespace {

// Four units of the file at `p` that are all ASCII, in the file's byte order.
bool FourAsciiUnits(const char* p, bool littleEndian) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t bytes = std::endian::native == std::endian::little
                                    ? word
                                    : __builtin_bswap64(word); // as the bytes lie
    return (bytes & (littleEndian ? 0xFF80FF80FF80FF80ULL : 0x80FF80FF80FF80FFULL)) == 0;
}

// The bytes the text's UTF-8 takes (with `put`, written there): files are
// megabytes and mostly ASCII, which goes four units at a time.
std::size_t Utf16BytesAsUtf8(std::string_view bytes, bool littleEndian, char* put, bool& lone) {
    const std::size_t count = bytes.size() / 2;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return static_cast<char32_t>(littleEndian ? a | b << 8 : b | a << 8);
    };
    const std::size_t low = littleEndian ? 0 : 1;
    std::size_t length = 0;
    lone = false;
    for (std::size_t i = 0; i < count;) {
        if (i + 4 <= count && FourAsciiUnits(bytes.data() + 2 * i, littleEndian)) {
            if (put != nullptr)
                for (std::size_t k = 0; k < 4; ++k)
                    *put++ = bytes[2 * (i + k) + low];
            length += 4;
            i += 4;
            continue;
        }
        const char32_t ch = NextOfUtf16(count, unit, i, lone);
        length += Utf8Length(ch);
        if (put != nullptr)
            put = PutUtf8(put, ch);
    }
    return length;
}

} // namespace

std::string Utf16BytesToUtf8(std::string_view bytes, bool littleEndian, bool& lone) {
    std::string out(Utf16BytesAsUtf8(bytes, littleEndian, nullptr, lone), '\0');
    Utf16BytesAsUtf8(bytes, littleEndian, out.data(), lone);
    return out;
}

std::size_t AsciiPrefix(std::string_view text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if ((word & 0x8080808080808080ULL) != 0)
            break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    return i;
}

bool IsAscii(std::string_view text) {
    return AsciiPrefix(text) == text.size();
}

bool IsWellFormedUtf8(std::string_view text) {
    for (std::size_t at = AsciiPrefix(text); at < text.size();) {
        const Decoded d = DecodeAt(text, at);
        if (d.ch == kReplacement && d.length == 1)
            return false;
        at += d.length;
        at += AsciiPrefix(text.substr(at));
    }
    return true;
}

void MakeWellFormed(std::string& text) {
    if (!IsWellFormedUtf8(text))
        text = Utf16ToUtf8(Utf8ToUtf16(text));
}

std::string_view FirstUtf16Units(std::string_view text, std::size_t units) {
    std::size_t at = 0;
    while (at < text.size()) {
        const Decoded d = DecodeAt(text, at);
        const std::size_t need = d.ch >= 0x10000 ? 2 : 1;
        if (need > units)
            break;
        units -= need;
        at += d.length;
    }
    return text.substr(0, at);
}

std::optional<char32_t> SingleCharacter(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const Decoded d = DecodeAt(text, 0);
    if (d.length != text.size())
        return std::nullopt;
    return d.ch;
}

} // namespace pw
