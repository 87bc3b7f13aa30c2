#pragma once

#include <string_view>

namespace pw {

// Blanks and control bytes, codes 0 to 32: what the readers of stored and
// copied text trim from the ends of a line or a value. Bytes from 0x80 up are
// letters of the text.
constexpr bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

constexpr std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace pw
