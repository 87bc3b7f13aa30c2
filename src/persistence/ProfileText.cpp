#include "persistence/ProfileText.h"

#include "persistence/TextBytes.h"

#include <vector>

namespace pw {
namespace {

bool IsUtf16(StoredEncoding encoding) {
    return encoding == StoredEncoding::Utf16Le || encoding == StoredEncoding::Utf16Be;
}

// Calls visit(line bytes, line-break bytes) for each line of a body, with
// lines cut as the text's reader cuts them: by characters, not by bytes.
template <typename Visit>
void ForEachBodyLine(std::string_view body, StoredEncoding encoding, Visit&& visit) {
    if (!IsUtf16(encoding)) {
        ForEachLine(body, visit);
        return;
    }
    // CR and LF are one unit each in either byte order.
    const bool little = encoding == StoredEncoding::Utf16Le;
    std::u16string units(body.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto a = static_cast<unsigned char>(body[2 * i]);
        const auto b = static_cast<unsigned char>(body[2 * i + 1]);
        units[i] = static_cast<char16_t>(little ? a | b << 8 : b | a << 8);
    }
    const std::u16string_view all(units);
    ForEachLine(all, [&](std::u16string_view line, std::u16string_view lineBreak) {
        const auto at = static_cast<std::size_t>(line.data() - all.data());
        visit(body.substr(2 * at, 2 * line.size()),
              body.substr(2 * (at + line.size()), 2 * lineBreak.size()));
    });
}

} // namespace

ProfileText ProfileText::Decode(std::string_view bytes, CodePage& codePage) {
    ProfileText decoded;
    const MarkedBytes marked = SplitMark(bytes);
    decoded.encoding_ = marked.encoding;
    std::string_view body = marked.body;
    if (IsUtf16(marked.encoding) && body.size() % 2 != 0) {
        decoded.strayByte_ = body.back();
        body.remove_suffix(1);
    }
    DecodedBody whole = DecodeBody(body, marked.encoding, codePage);
    if (whole.whole) {
        decoded.text_ = std::move(whole.text);
        return decoded; // the usual case: every line comes back as it was
    }

    decoded.text_.clear();
    std::size_t number = 0;
    ForEachBodyLine(body, marked.encoding, [&](std::string_view line, std::string_view lineBreak) {
        DecodedBody text = DecodeBody(line, marked.encoding, codePage);
        if (!text.whole)
            decoded.originals_.emplace(number, line);
        decoded.text_ += text.text;
        decoded.text_ += DecodeBody(lineBreak, marked.encoding, codePage).text;
        ++number;
    });
    return decoded;
}

bool ProfileText::EncodeAs(std::string& out, const ProfileFile& file, StoredEncoding target,
                           CodePage& codePage) const {
    const bool sameEncoding = target == encoding_;
    const BodyWriter writer(target, codePage);
    const std::string_view mark = MarkOf(target);
    out.clear();
    out.reserve(mark.size() + (IsUtf16(target) ? 2 : 1) * file.SerializedSize() +
                (sameEncoding ? strayByte_.size() : 0));
    out += mark;
    bool fits = true;
    // A byte-order mark the text began with belongs to its first line: kept
    // as it was, that line brings it along.
    std::string_view lead = file.Lead();
    file.ForEachWrittenLine([&](std::string_view line, std::size_t origin) {
        if (!fits)
            return;
        const auto kept = sameEncoding ? originals_.find(origin) : originals_.end();
        if (!lead.empty() && !(kept != originals_.end() && origin == 0))
            fits = writer.Append(out, lead);
        lead = {};
        if (kept != originals_.end())
            out += kept->second;
        else
            fits = fits && writer.Append(out, line);
        fits = fits && writer.Append(out, "\r\n");
    });
    fits = fits && writer.Append(out, lead); // a file of no lines
    if (fits && sameEncoding)
        out += strayByte_;
    return fits;
}

std::string ProfileText::Encode(const ProfileFile& file, CodePage& codePage) const {
    // A code-page file stays one while everything the program wrote fits.
    std::string out;
    if (!EncodeAs(out, file, encoding_, codePage))
        EncodeAs(out, file, StoredEncoding::Utf16Le, codePage);
    return out;
}

} // namespace pw
