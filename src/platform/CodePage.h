#pragma once

#include <string>
#include <string_view>

namespace pw {

// Conversion between UTF-16 and the program's ANSI code page, the way the
// system's own profile functions convert: a character the code page has no
// room for becomes a close one or its default character ('?').
class CodePage {
public:
    virtual ~CodePage() = default;
    virtual std::string WideToAnsi(std::u16string_view text) = 0;
    virtual std::u16string AnsiToWide(std::string_view text) = 0;
};

} // namespace pw
