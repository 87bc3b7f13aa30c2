#pragma once

#include <string_view>

namespace pw {

// Byte-level helpers shared by the stored-text formats.

// 0-15 for a hex digit of either case, -1 otherwise.
inline int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Would the text end a line early? A plain loop: find_first_of calls memchr on
// the set for every byte.
inline bool HoldsLineBreakOrZero(std::string_view text) {
    for (const char c : text)
        if (c == '\r' || c == '\n' || c == '\0')
            return true;
    return false;
}

} // namespace pw
