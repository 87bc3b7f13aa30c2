#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pw {

// A Windows profile file (sections of key=value lines, as options.ini is) held
// in memory: parsed once, read and changed by name, written back whole.
//
// Reading follows the system's profile functions:
// - Lines end at CR LF, a lone CR or a lone LF. A zero byte ends what its line
//   says (the rest of the line is ignored, later lines are read). A UTF-8
//   byte-order mark at the start is skipped (and written back).
// - A line that starts with '[' and holds a ']' begins a section; its name is
//   the text up to the last ']', trimmed. Lines before the first section form
//   a section with the empty name. A second section of a name already seen is
//   kept but never read or written through: names reach the first one.
// - Any other line with an '=' is a key: the name before the first '=', the
//   value after it. There is no comment syntax: ";x=1" is the key ";x", and a
//   line without '=' (";note", "junk") is no key. Of two lines with the same
//   key in a section the first counts.
// - Names and values are trimmed of blanks and control bytes (every byte up to
//   0x20) at both ends, and a value of at least two bytes enclosed in a pair
//   of double or of single quotes loses that pair. Values are never cut.
// - Section and key names match without regard to ASCII letter case.
//
// Writing keeps every line it does not change byte for byte (comments, blank
// lines, keys it does not know, spacing), but the file is written with CR LF
// line breaks throughout.
class ProfileFile {
public:
    ProfileFile(); // an empty file

    // One pass over the bytes. Never fails: any bytes are some profile file.
    static ProfileFile Parse(std::string_view bytes);
    // The same for bytes the file may keep, without a copy of them.
    static ProfileFile ParseTaking(std::string bytes);

    // The value of the key in the first section of that name, nullopt when the
    // section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;

    // The value read as an integer: decimal, or hexadecimal after "0x" or "0X",
    // with an optional sign. Hexadecimal takes up to 32 bits, read as their
    // two's-complement pattern (0xFFFFFFFF is -1); decimal must fit in an int.
    // A value with anything else in it ("12abc", "abc", "") gives the default.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Replaces the value of an existing key in place (the line becomes the
    // key as it was spelled, "=" and the value), or adds "key=value" after the
    // last non-blank line of the first section of that name, or adds the
    // section with the key at the end of the file. The value is written as it
    // is: blanks at its ends or enclosing quotes will not read back, see
    // ValueEscape.h. Returns false and changes nothing for what a line cannot
    // hold: a CR, LF or zero byte in any of the three, an '=' in the key, or a
    // key that starts with '['.
    bool SetString(std::string_view section, std::string_view key, std::string_view value);

    // SetString(section, "0", values[0]), SetString(section, "1", values[1]), ...
    // in one pass over the section instead of one lookup per key: the way a
    // long list is written. Returns false, changing nothing, when a value
    // cannot be written (see SetString).
    bool SetNumberedKeys(std::string_view section, const std::vector<std::string>& values);

    // The whole file, every line ended by CR LF.
    std::string Serialize() const;

    // The names of the sections in file order as spelled, repeated ones too,
    // without the nameless part before the first section.
    std::vector<std::string> SectionNames() const;
    // Every key line of the first section of that name, in file order (repeated
    // keys too), with its value as GetString reads it: one pass, no index.
    void ForEachKey(
        std::string_view section,
        const std::function<void(std::string_view key, std::string_view value)>& visit) const;

    // The keys of the first section of that name in file order as spelled,
    // repeated ones too.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // What Serialize writes, piece by piece, for a writer that converts the
    // text as it goes: the lead (a byte-order mark, or nothing), then each line
    // without its CR LF and where it comes from: its 0-based number among the
    // lines Parse split the bytes into, or kChangedLine for a line set since.
    // A file read through another encoding can thus be written back with the
    // lines it kept exactly as they were. The size is Serialize's.
    static constexpr std::size_t kChangedLine = static_cast<std::size_t>(-1);
    std::string_view Lead() const;
    void ForEachWrittenLine(
        const std::function<void(std::string_view line, std::size_t origin)>& visit) const;
    std::size_t SerializedSize() const;

private:
    // A view into texts_: a long list is read without a copy per line, and
    // the lines move as plain values when a section grows.
    struct Line {
        std::string_view text;
        std::size_t origin = kChangedLine;
        std::string_view Text() const { return text; }
    };
    struct Section {
        std::string name;         // trimmed, as spelled
        std::optional<Line> head; // the "[name]" line; none for the leading part
        std::vector<Line> lines;  // up to the last non-blank line
        std::vector<Line> tail;   // the blank lines after them
        // Folded name -> first line; made by the second lookup or the first
        // change. A single lookup (the count at the head of a long list)
        // scans instead of paying for an index of every key.
        mutable std::unordered_map<std::string, std::size_t> keys;
        mutable bool indexed = false;
        mutable bool scanned = false;
    };

    const Section* FindSection(std::string_view name) const;
    static void EnsureKeyIndex(const Section& section);
    Section& AddSection(std::string name, std::optional<Line> head);
    Line NewHead(std::string_view section);
    // A line set since parsing, its text kept in texts_.
    Line Changed(std::string text);

    // The parsed bytes, then the text of every line set since; a deque never
    // moves what it holds. Shared by copies, which only ever add to it, so a
    // line keeps its text whichever copy set it.
    std::shared_ptr<std::deque<std::string>> texts_;
    std::string bom_;
    std::vector<Section> sections_; // [0] is the part before the first section
    std::unordered_map<std::string, std::size_t> sectionIndex_; // folded name -> first
};

} // namespace pw
