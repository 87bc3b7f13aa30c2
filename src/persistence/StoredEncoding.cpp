#include "persistence/StoredEncoding.h"

#include "text/CodePageText.h"
#include "text/Utf8.h"

#include <cstring>

namespace pw {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

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

DecodedBody DecodeBody(std::string_view body, StoredEncoding encoding, CodePage& codePage) {
    switch (encoding) {
    case StoredEncoding::CodePage: {
        if (IsAscii(body))
            return {std::string(body), true};
        bool whole = true;
        std::string text = CodePageText(codePage).ToUtf8(body, whole);
        return {std::move(text), whole};
    }
    case StoredEncoding::Utf8:
        if (IsWellFormedUtf8(body))
            return {std::string(body), true};
        return {Utf16ToUtf8(Utf8ToUtf16(body)), false};
    case StoredEncoding::Utf16Le:
    case StoredEncoding::Utf16Be: {
        bool lone = false;
        std::string text = Utf16BytesToUtf8(body, encoding == StoredEncoding::Utf16Le, lone);
        const bool whole = body.size() % 2 == 0 && !lone;
        if (body.size() % 2 != 0)
            text += "\xEF\xBF\xBD"; // half a character
        return {std::move(text), whole};
    }
    }
    return {};
}

bool BodyWriter::Append(std::string& out, std::string_view text) const {
    switch (encoding_) {
    case StoredEncoding::CodePage:
        if (IsAscii(text)) {
            out += text;
            return true;
        }
        if (!codePage_)
            codePage_.emplace(system_);
        return codePage_->AppendFromUtf8(out, text);
    case StoredEncoding::Utf8:
        out += text;
        return true;
    case StoredEncoding::Utf16Le:
    case StoredEncoding::Utf16Be:
        AppendUtf16Bytes(out, text, encoding_ == StoredEncoding::Utf16Le);
        return true;
    }
    return false;
}

std::string DecodeStoredText(std::string_view bytes, CodePage& codePage) {
    const MarkedBytes marked = SplitMark(bytes);
    return DecodeBody(marked.body, marked.encoding, codePage).text;
}

std::string EncodeStoredText(std::string_view text, StoredEncoding unicodeForm,
                             CodePage& codePage) {
    std::string bytes;
    bytes.reserve(text.size());
    if (BodyWriter(StoredEncoding::CodePage, codePage).Append(bytes, text))
        return bytes;
    if (unicodeForm == StoredEncoding::CodePage)
        unicodeForm = StoredEncoding::Utf8;
    std::string unicode(MarkOf(unicodeForm));
    unicode.reserve(unicode.size() + (unicodeForm == StoredEncoding::Utf8 ? 1 : 2) * text.size());
    BodyWriter(unicodeForm, codePage).Append(unicode, text);
    return unicode;
}

} // namespace pw
