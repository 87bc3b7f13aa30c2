#pragma once

#include "platform/CodePage.h"

#include <string>
#include <string_view>

// The fuzz targets' code page: Latin-1, the first 256 characters, '?' for the
// others. Every byte reads as a character of its own and back.
class Latin1CodePage : public pw::CodePage {
public:
    std::string WideToAnsi(std::u16string_view text) override {
        std::string ansi;
        for (const char16_t unit : text)
            ansi += unit < 0x100 ? static_cast<char>(unit) : '?';
        return ansi;
    }
    std::u16string AnsiToWide(std::string_view text) override {
        std::u16string wide;
        for (const char c : text)
            wide += static_cast<char16_t>(static_cast<unsigned char>(c));
        return wide;
    }
};
