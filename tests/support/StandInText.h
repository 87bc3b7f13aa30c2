#pragma once

#include "platform/CodePage.h"
#include "platform/TextCase.h"

#include <string>
#include <string_view>

namespace pw::test {

// Windows' Western code page, 1252, as the system converts it: the five
// bytes it leaves undefined stand for the control characters of their
// number, and a character it has no room for becomes '?'.
class Cp1252 final : public CodePage {
public:
    std::string WideToAnsi(std::u16string_view text) override;
    std::u16string AnsiToWide(std::string_view text) override;
};

// The system's upper-casing: Unicode's simple one-to-one mapping, taken from
// the C library's UTF-8 locale.
class StandInTextCase final : public TextCase {
public:
    std::u16string UpperCase(std::u16string_view text) override;
};

} // namespace pw::test
