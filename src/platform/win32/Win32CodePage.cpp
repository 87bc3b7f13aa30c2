#include "platform/win32/Win32CodePage.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace pw::win32 {

namespace {

// The calls count in ints; a text longer than that is converted in pieces.
constexpr std::size_t kPiece = INT_MAX / 4;

} // namespace

std::string Win32CodePage::WideToAnsi(std::u16string_view text) {
    std::string ansi;
    while (!text.empty()) {
        std::size_t take = std::min(text.size(), kPiece);
        // A surrogate pair is not split between two pieces.
        if (take < text.size() && text[take - 1] >= 0xD800 && text[take - 1] < 0xDC00)
            --take;
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        const int count = static_cast<int>(take);
        const int size = WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr);
        const std::size_t at = ansi.size();
        ansi.resize(at + static_cast<std::size_t>(std::max(size, 0)));
        if (size > 0)
            WideCharToMultiByte(CP_ACP, 0, wide, count, ansi.data() + at, size, nullptr, nullptr);
        text.remove_prefix(take);
    }
    return ansi;
}

std::u16string Win32CodePage::AnsiToWide(std::string_view text) {
    std::u16string wide;
    while (!text.empty()) {
        std::size_t take = std::min(text.size(), kPiece);
        // A double-byte character is not split between two pieces.
        if (take < text.size() && IsDBCSLeadByte(static_cast<BYTE>(text[take - 1])))
            --take;
        const int count = static_cast<int>(take);
        const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), count, nullptr, 0);
        const std::size_t at = wide.size();
        wide.resize(at + static_cast<std::size_t>(std::max(size, 0)));
        if (size > 0)
            MultiByteToWideChar(CP_ACP, 0, text.data(), count,
                                reinterpret_cast<wchar_t*>(wide.data() + at), size);
        text.remove_prefix(take);
    }
    return wide;
}

std::u16string Win32CodePage::UpperCase(std::u16string_view text) {
    // The locale-independent mapping: the same texts are the same for every
    // user, whatever the language of the system.
    std::u16string upper(text);
    for (std::size_t at = 0; at < upper.size();) {
        std::size_t take = std::min(upper.size() - at, kPiece);
        if (at + take < upper.size() && upper[at + take - 1] >= 0xD800 &&
            upper[at + take - 1] < 0xDC00)
            --take;
        auto* units = reinterpret_cast<wchar_t*>(upper.data() + at);
        const int count = static_cast<int>(take);
        LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, units, count, units, count);
        at += take;
    }
    return upper;
}

} // namespace pw::win32
