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

// The body's text as UTF-8. Damaged Unicode reads as the UTF-8 reader reads
// it (text/Utf8.h): each bad byte, lone surrogate or odd last byte becomes
// U+FFFD and the rest is read as it stands.
std::string DecodeBody(std::string_view body, StoredEncoding encoding, CodePage& codePage);
// The same, and whether the text gives the body back byte for byte.
struct DecodedBody {
    std::string text;
    bool whole = false;
};
DecodedBody DecodeBodyChecked(std::string_view body, StoredEncoding encoding, CodePage& codePage);

// The UTF-8 text as a body in the encoding; for the code page, nothing unless
// every character is written there and reads back as it was.
std::optional<std::string> EncodeBody(std::string_view text, StoredEncoding encoding,
                                      CodePage& codePage);
// The same, appended; false, with `out` as it was, when it does not fit.
bool AppendBody(std::string& out, std::string_view text, StoredEncoding encoding,
                CodePage& codePage);

// AppendBody for a text written in many pieces, which asks the system about
// the code page once.
class BodyWriter {
public:
    BodyWriter(StoredEncoding encoding, CodePage& codePage);
    bool Append(std::string& out, std::string_view text) const;

private:
    StoredEncoding encoding_;
    std::optional<CodePageText> codePage_;
};

// A whole file's text, whatever its encoding.
std::string DecodeStoredText(std::string_view bytes, CodePage& codePage);

// A whole file: in the code page, without a mark, when the text fits there
// (so a file of such texts keeps today's bytes for older copies of the program
// and for the user's own tools); otherwise in the Unicode form, with its mark.
std::string EncodeStoredText(std::string_view text, StoredEncoding unicodeForm, CodePage& codePage);

} // namespace pw
