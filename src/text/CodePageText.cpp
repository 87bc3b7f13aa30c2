#include "text/CodePageText.h"

#include "text/Utf8.h"

namespace pw {

CodePageText::CodePageText(CodePage& codePage) : codePage_(codePage) {
    for (unsigned b = 0x80; b < 0x100; ++b) {
        // A lead byte takes the letter after it into one character.
        const std::string probe{static_cast<char>(b), 'A'};
        const std::u16string wide = codePage_.AnsiToWide(probe);
        if (wide.size() != 2 || wide[1] != u'A') {
            singleByte_ = false;
            return;
        }
        high_[b - 0x80] = Utf16ToUtf8(wide.substr(0, 1));
        const std::u16string back = Utf8ToUtf16(high_[b - 0x80]);
        if (back.size() == 1 && codePage_.WideToAnsi(back) == std::string(1, static_cast<char>(b)))
            roundTrips_[b - 0x80] = byteOf_.emplace(back[0], static_cast<char>(b)).second;
    }
}

std::string CodePageText::ToUtf8(std::string_view ansi, bool& whole) const {
    if (!singleByte_) {
        if (IsAscii(ansi)) {
            whole = true;
            return std::string(ansi);
        }
        const std::u16string wide = codePage_.AnsiToWide(ansi);
        whole = codePage_.WideToAnsi(wide) == ansi;
        return Utf16ToUtf8(wide);
    }
    whole = true;
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    std::size_t at = 0;
    while (at < ansi.size()) {
        const std::size_t run = AsciiPrefix(ansi.substr(at));
        out.append(ansi.data() + at, run);
        at += run;
        for (; at < ansi.size() && static_cast<unsigned char>(ansi[at]) >= 0x80; ++at) {
            const std::size_t high = static_cast<unsigned char>(ansi[at]) - 0x80;
            out += high_[high];
            whole = whole && roundTrips_[high];
        }
    }
    return out;
}

bool CodePageText::AppendFromUtf8(std::string& out, std::string_view text) const {
    if (!singleByte_) {
        if (IsAscii(text)) {
            out += text;
            return true;
        }
        const std::u16string wide = Utf8ToUtf16(text);
        const std::string ansi = codePage_.WideToAnsi(wide);
        if (codePage_.AnsiToWide(ansi) != wide)
            return false;
        out += ansi;
        return true;
    }
    const std::size_t start = out.size();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t run = AsciiPrefix(text.substr(at));
        out.append(text.data() + at, run);
        at += run;
        if (at == text.size())
            break;
        // One character: the bytes up to the next lead or ASCII byte.
        std::size_t end = at + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        const std::optional<char32_t> ch = SingleCharacter(text.substr(at, end - at));
        const auto byte = ch ? byteOf_.find(*ch) : byteOf_.end();
        if (byte == byteOf_.end()) {
            out.resize(start);
            return false;
        }
        out += byte->second;
        at = end;
    }
    return true;
}

} // namespace pw
