#include "persistence/ProfileText.h"

#include "persistence/TextBytes.h"

#include <vector>

namespace pw {
namespace {

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

void AppendBytes(std::string& out, std::u16string_view units, bool littleEndian) {
    out.reserve(out.size() + 2 * units.size());
    for (const char16_t unit : units) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        out += littleEndian ? low : high;
        out += littleEndian ? high : low;
    }
}

} // namespace

ProfileText ProfileText::Decode(std::string_view bytes, CodePage& codePage) {
    ProfileText decoded;
    const bool littleEndian = bytes.starts_with(kUtf16LeMark);
    if (!littleEndian && !bytes.starts_with(kUtf16BeMark)) {
        decoded.text_ = std::string(bytes);
        return decoded;
    }
    decoded.encoding_ = littleEndian ? Encoding::Utf16Le : Encoding::Utf16Be;
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0) {
        decoded.strayByte_ = bytes.back();
        bytes.remove_suffix(1);
    }
    const std::u16string wide = Units(bytes, littleEndian);
    decoded.text_ = codePage.WideToAnsi(wide);
    if (codePage.AnsiToWide(decoded.text_) == wide)
        return decoded; // the usual case: every character has its place in the code page

    // Line by line, keeping each line that does not come back whole.
    decoded.text_.clear();
    std::size_t number = 0;
    ForEachLine(std::u16string_view(wide),
                [&](std::u16string_view line, std::u16string_view lineBreak) {
                    const std::string text = codePage.WideToAnsi(line);
                    if (codePage.AnsiToWide(text) != line)
                        decoded.originals_.emplace(number, line);
                    decoded.text_ += text;
                    for (const char16_t unit : lineBreak) // CR and LF only
                        decoded.text_ += static_cast<char>(unit);
                    ++number;
                });
    return decoded;
}

std::string ProfileText::Encode(const ProfileFile& file, CodePage& codePage) const {
    std::string text = file.Serialize();
    if (encoding_ == Encoding::CodePage)
        return text;

    std::u16string wide;
    if (originals_.empty()) {
        wide = codePage.AnsiToWide(text);
    } else {
        // Lines kept as they were go out as they came in; everything between
        // them is converted in one piece.
        const std::vector<std::size_t> origins = file.LineOrigins();
        const std::string_view all(text);
        std::size_t converted = 0; // the text before this offset is in `wide`
        std::size_t index = 0;
        ForEachLine(all, [&](std::string_view line, std::string_view) {
            const std::size_t origin =
                index < origins.size() ? origins[index] : ProfileFile::kChangedLine;
            ++index;
            const auto kept = originals_.find(origin);
            if (kept == originals_.end())
                return;
            const auto start = static_cast<std::size_t>(line.data() - all.data());
            wide += codePage.AnsiToWide(all.substr(converted, start - converted));
            wide += kept->second;
            converted = start + line.size();
        });
        wide += codePage.AnsiToWide(all.substr(converted));
    }
    const bool littleEndian = encoding_ == Encoding::Utf16Le;
    std::string bytes(littleEndian ? kUtf16LeMark : kUtf16BeMark);
    AppendBytes(bytes, wide, littleEndian);
    bytes += strayByte_;
    return bytes;
}

} // namespace pw
