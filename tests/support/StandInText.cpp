#include "support/StandInText.h"

#include <array>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <cwctype>
#include <locale.h>
#endif

namespace pw::test {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct ByteTable {
    std::array<char16_t, 256> toWide{};
    std::array<char, 0x10000> toByte{};
    ByteTable() {
        toByte.fill('?');
        for (unsigned b = 0; b < 256; ++b) {
            toWide[b] = b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : static_cast<char16_t>(b);
            toByte[toWide[b]] = static_cast<char>(b);
        }
    }
};

const ByteTable& Table() {
    static const ByteTable table;
    return table;
}

#ifndef _WIN32
locale_t Utf8Locale() {
    static const locale_t locale = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
        if (made == nullptr)
            throw std::runtime_error("the C.UTF-8 locale is missing");
        return made;
    }();
    return locale;
}
#endif

} // namespace

std::string Cp1252::WideToAnsi(std::u16string_view text) {
    const ByteTable& table = Table();
    std::string ansi(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        ansi[i] = table.toByte[text[i]];
    return ansi;
}

std::u16string Cp1252::AnsiToWide(std::string_view text) {
    const ByteTable& table = Table();
    std::u16string wide(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        wide[i] = table.toWide[static_cast<unsigned char>(text[i])];
    return wide;
}

#ifdef _WIN32
// Where the tests run on the system itself, its own mapping is the one.
std::u16string StandInTextCase::UpperCase(std::u16string_view text) {
    std::u16string upper(text);
    if (!upper.empty())
        LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, reinterpret_cast<wchar_t*>(upper.data()),
                     static_cast<int>(upper.size()), reinterpret_cast<wchar_t*>(upper.data()),
                     static_cast<int>(upper.size()));
    return upper;
}
#else
std::u16string StandInTextCase::UpperCase(std::u16string_view text) {
    const locale_t locale = Utf8Locale();
    std::u16string upper;
    upper.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        const auto mapped = static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
        if (mapped >= 0x10000) {
            upper += static_cast<char16_t>(0xD800 + ((mapped - 0x10000) >> 10));
            upper += static_cast<char16_t>(0xDC00 + ((mapped - 0x10000) & 0x3FF));
        } else {
            upper += static_cast<char16_t>(mapped);
        }
    }
    return upper;
}

#endif

} // namespace pw::test
