#include "persistence/ValueEscape.h"

#include "persistence/TextBytes.h"
#include "text/Blanks.h"

namespace pw {
namespace {

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

void AppendEscaped(std::string& out, unsigned char c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += '%';
    out += kDigits[c >> 4];
    out += kDigits[c & 0x0F];
}

} // namespace

bool SurvivesPlain(std::string_view text, StoredFormat format) {
    if (text.starts_with(kEscapeMarker))
        return false;
    if (HoldsLineBreakOrZero(text))
        return false;
    if (text.empty())
        return true;
    if (IsBlankOrControl(text.back()))
        return false;
    if (format == StoredFormat::Profile) {
        if (IsBlankOrControl(text.front()))
            return false;
        if (text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front())
            return false;
    }
    return true;
}

std::string EncodeStoredValue(std::string_view text, StoredFormat format) {
    if (SurvivesPlain(text, format))
        return std::string(text);
    std::string out(kEscapeMarker);
    out.reserve(kEscapeMarker.size() + text.size() + text.size() / 4 + 6);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool atEnd = i == 0 || i + 1 == text.size();
        if (c == '%' || c < 0x20 || (c == ' ' && atEnd))
            AppendEscaped(out, c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::string DecodeStoredValue(std::string_view value) {
    if (!value.starts_with(kEscapeMarker))
        return std::string(value);
    const std::string_view body = value.substr(kEscapeMarker.size());
    std::string out;
    out.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        const bool twoFollow = body[i] == '%' && i + 2 < body.size();
        const int high = twoFollow ? HexDigit(body[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(body[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += body[i];
        }
    }
    return out;
}

} // namespace pw
