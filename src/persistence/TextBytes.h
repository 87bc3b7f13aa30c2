#pragma once

#include <cstddef>
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

// Calls visit(line, lineBreak) for each line of the text, in order. A line
// ends at CR LF, a lone CR or a lone LF; a break at the very end starts no
// further line. One rule for every reader, whatever its character type, so
// that line numbers agree between them.
template <typename Char, typename Visit>
void ForEachLine(std::basic_string_view<Char> text, Visit&& visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != Char('\r') && text[end] != Char('\n'))
            ++end;
        std::size_t next = end;
        if (next < text.size())
            next +=
                text[next] == Char('\r') && next + 1 < text.size() && text[next + 1] == Char('\n')
                    ? 2
                    : 1;
        visit(text.substr(pos, end - pos), text.substr(end, next - end));
        pos = next;
    }
}

} // namespace pw
