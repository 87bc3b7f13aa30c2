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
    DecodedBody whole = DecodeBodyChecked(body, marked.encoding, codePage);
    if (whole.whole) {
        decoded.text_ = std::move(whole.text);
        return decoded; // the usual case: every line comes back as it was
    }

    decoded.text_.clear();
    std::size_t number = 0;
    ForEachBodyLine(body, marked.encoding, [&](std::string_view line, std::string_view lineBreak) {
        DecodedBody text = DecodeBodyChecked(line, marked.encoding, codePage);
        if (!text.whole)
            decoded.originals_.emplace(number, line);
        decoded.text_ += text.text;
        decoded.text_ += DecodeBody(lineBreak, marked.encoding, codePage);
        ++number;
    });
    return decoded;
}

std::string ProfileText::Encode(const ProfileFile& file, CodePage& codePage) const {
    const std::string text = file.Serialize();

    // The text in pieces: runs the program wrote or read whole, and the
    // lines kept as they were.
    struct Piece {
        std::string_view text;
        const std::string* original = nullptr;
    };
    std::vector<Piece> pieces;
    if (originals_.empty()) {
        pieces.push_back({text});
    } else {
        const std::vector<std::size_t> origins = file.LineOrigins();
        const std::string_view all(text);
        std::size_t converted = 0; // the text before this offset is in a piece
        std::size_t index = 0;
        ForEachLine(all, [&](std::string_view line, std::string_view) {
            const std::size_t origin =
                index < origins.size() ? origins[index] : ProfileFile::kChangedLine;
            ++index;
            const auto kept = originals_.find(origin);
            if (kept == originals_.end())
                return;
            const auto start = static_cast<std::size_t>(line.data() - all.data());
            pieces.push_back({all.substr(converted, start - converted)});
            pieces.push_back({line, &kept->second});
            converted = start + line.size();
        });
        pieces.push_back({all.substr(converted)});
    }

    // A code-page file stays one while everything the program wrote fits.
    std::string out(MarkOf(encoding_));
    out.reserve(text.size() + text.size() / 8);
    bool sameEncoding = true;
    for (const Piece& piece : pieces) {
        if (piece.original != nullptr) {
            out += *piece.original;
        } else if (!AppendBody(out, piece.text, encoding_, codePage)) {
            sameEncoding = false;
            break;
        }
    }
    if (!sameEncoding) {
        out = MarkOf(StoredEncoding::Utf16Le);
        out.reserve(2 * text.size());
        for (const Piece& piece : pieces)
            AppendBody(out, piece.text, StoredEncoding::Utf16Le, codePage);
    }
    if (sameEncoding)
        out += strayByte_;
    return out;
}

} // namespace pw
