#pragma once

#include <string>
#include <string_view>

namespace pw::win32 {

// The program keeps its texts in UTF-8 and the system takes UTF-16: every
// text that crosses between them goes through these two. Damaged UTF-8 from
// a file shows as U+FFFD rather than being refused by the system.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

// A zero-terminated text the system hands over (a window's class, a buffer it
// filled); null reads as empty.
std::string Narrow(const wchar_t* text);

} // namespace pw::win32
