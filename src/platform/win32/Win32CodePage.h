#pragma once

#include "platform/CodePage.h"
#include "platform/TextCase.h"

namespace pw::win32 {

// Text between UTF-16 and the program's ANSI code page, converted as the
// system's own profile functions convert it, and the system's upper-casing.
class Win32CodePage final : public CodePage, public TextCase {
public:
    std::string WideToAnsi(std::u16string_view text) override;
    std::u16string AnsiToWide(std::string_view text) override;
    std::u16string UpperCase(std::u16string_view text) override;
};

} // namespace pw::win32
