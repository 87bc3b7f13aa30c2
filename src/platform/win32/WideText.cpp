#include "platform/win32/WideText.h"

#include "text/Utf8.h"

namespace pw::win32 {

// The system's wide characters are UTF-16 units: the strings share one layout.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    return {reinterpret_cast<const wchar_t*>(units.data()), units.size()};
}

std::string Narrow(std::wstring_view text) {
    return Utf16ToUtf8({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}

std::string Narrow(const wchar_t* text) {
    return text == nullptr ? std::string() : Narrow(std::wstring_view(text));
}

} // namespace pw::win32
