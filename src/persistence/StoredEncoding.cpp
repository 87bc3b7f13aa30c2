#include "persistence/StoredEncoding.h"

#include "text/Utf8.h"

namespace pw {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

std::u16string Units(std::string_view bytes, bool littleEndian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(littleEndian ? first | second << 8 : second | first << 8);
    }
    return units;
}

std::string Bytes(std::u16string_view units, bool littleEndian) {
    std::string out(2 * units.size(), '\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char low = static_cast<char>(units[i] & 0xFF);
        const char high = static_cast<char>(units[i] >> 8);
        out[2 * i] = littleEndian ? low : high;
        out[2 * i + 1] = littleEndian ? high : low;
    }
    return out;
}

} // namespace

std::string_view MarkOf(StoredEncoding encoding) {
    switch (encoding) {
    case StoredEncoding::Utf8:
        return kUtf8Mark;
    case StoredEncoding::Utf16Le:
        return kUtf16LeMark;
    case StoredEncoding::Utf16Be:
        return kUtf16BeMark;
    case StoredEncoding::CodePage:
        break;
    }
    return {};
}

MarkedBytes SplitMark(std::string_view bytes) {
    for (const StoredEncoding encoding :
         {StoredEncoding::Utf8, StoredEncoding::Utf16Le, StoredEncoding::Utf16Be}) {
        if (bytes.starts_with(MarkOf(encoding)))
            return {encoding, bytes.substr(MarkOf(encoding).size())};
    }
    return {StoredEncoding::CodePage, bytes};
}

std::string DecodeBody(std::string_view body, StoredEncoding encoding, CodePage& codePage) {
    switch (encoding) {
    case StoredEncoding::CodePage:
        if (IsAscii(body))
            return std::string(body);
        return Utf16ToUtf8(codePage.AnsiToWide(body));
    case StoredEncoding::Utf8:
        if (IsWellFormedUtf8(body))
            return std::string(body);
        return Utf16ToUtf8(Utf8ToUtf16(body));
    case StoredEncoding::Utf16Le:
    case StoredEncoding::Utf16Be: {
        std::string text = Utf16ToUtf8(Units(body, encoding == StoredEncoding::Utf16Le));
        if (body.size() % 2 != 0)
            text += "\xEF\xBF\xBD"; // half a character
        return text;
    }
    }
    return {};
}

std::optional<std::string> EncodeBody(std::string_view text, StoredEncoding encoding,
                                      CodePage& codePage) {
    switch (encoding) {
    case StoredEncoding::CodePage: {
        if (IsAscii(text))
            return std::string(text);
        const std::u16string wide = Utf8ToUtf16(text);
        std::string ansi = codePage.WideToAnsi(wide);
        if (codePage.AnsiToWide(ansi) != wide)
            return std::nullopt;
        return ansi;
    }
    case StoredEncoding::Utf8:
        return std::string(text);
    case StoredEncoding::Utf16Le:
    case StoredEncoding::Utf16Be:
        return Bytes(Utf8ToUtf16(text), encoding == StoredEncoding::Utf16Le);
    }
    return std::nullopt;
}

std::string DecodeStoredText(std::string_view bytes, CodePage& codePage) {
    const MarkedBytes marked = SplitMark(bytes);
    return DecodeBody(marked.body, marked.encoding, codePage);
}

std::string EncodeStoredText(std::string_view text, StoredEncoding unicodeForm,
                             CodePage& codePage) {
    if (std::optional<std::string> ansi = EncodeBody(text, StoredEncoding::CodePage, codePage))
        return std::move(*ansi);
    if (unicodeForm == StoredEncoding::CodePage)
        unicodeForm = StoredEncoding::Utf8;
    std::string bytes(MarkOf(unicodeForm));
    bytes += *EncodeBody(text, unicodeForm, codePage);
    return bytes;
}

} // namespace pw
