#pragma once

#include "platform/CodePage.h"
#include "text/CodePageText.h"

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// How the text of a stored file is written. A file without a byte-order mark
// is in the program's code page, as every file was before the program kept
// text in Unicode; a mark says UTF-8 or UTF-16 (little- or big-endian, as
// Notepad saves "Unicode").
enum class StoredEncoding { CodePage, Utf8, Utf16Le, Utf16Be };

std::string_view MarkOf(StoredEncoding encoding);

struct MarkedBytes {
    StoredEncoding encoding = StoredEncoding::CodePage;
    std::string_view body; // the bytes after the mark
};
MarkedBytes SplitMark(std::string_view bytes);

// The body's text as UTF-8, and whether that text gives the body back byte
// for byte. Damaged Unicode reads as the UTF-8 reader reads it (text/Utf8.h):
// each bad byte, lone surrogate or odd last byte becomes U+FFFD and the rest
// is read as it stands.
struct DecodedBody {
    std::string text;
    bool whole = false;
};
DecodedBody DecodeBody(std::string_view body, StoredEncoding encoding, CodePage& codePage);

// Appends UTF-8 text to a body in the encoding, piece by piece; for the code
// page, nothing (false) unless every character is written there and reads
// back as it was. The system is asked about the code page once, and only for
// a text that is not all ASCII.
class BodyWriter {
public:
    BodyWriter(StoredEncoding encoding, CodePage& codePage)
        : encoding_(encoding), system_(codePage) {}
    bool Append(std::string& out, std::string_view text) const;

private:
    StoredEncoding encoding_;
    CodePage& system_;
    mutable std::optional<CodePageText> codePage_;
};

// A whole file's text, whatever its encoding.
std::string DecodeStoredText(std::string_view bytes, CodePage& codePage);

// A whole file: in the code page, without a mark, when the text fits there
// (so a file of such texts keeps today's bytes for older copies of the program
// and for the user's own tools); otherwise in the Unicode form, with its mark.
std::string EncodeStoredText(std::string_view text, StoredEncoding unicodeForm, CodePage& codePage);

} // namespace pw
