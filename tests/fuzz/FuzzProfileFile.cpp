// The profile-file reader on arbitrary bytes: it must not crash; writing the
// file back must keep every value it read; values set through the escape
// must read back exactly, and the keys not set must keep theirs. The same
// bytes taken as a file of each Unicode form must lose no line when written
// back.
#include "Latin1CodePage.h"
#include "persistence/ProfileFile.h"
#include "persistence/ProfileText.h"
#include "persistence/TextBytes.h"
#include "persistence/ValueEscape.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Pair = std::pair<std::string, std::string>; // section, key

struct Edit {
    Edit(Pair key, std::string_view text) : key(std::move(key)), text(text) {}
    Pair key;
    std::string text;
};

void Fail(const char* what, const Pair& pair) {
    std::fprintf(stderr, "%s: [%s] %s\n", what, pair.first.c_str(), pair.second.c_str());
    std::abort();
}

// Names match trimmed and without regard to ASCII letter case.
std::string Folded(std::string_view name) {
    while (!name.empty() && static_cast<unsigned char>(name.front()) <= 0x20)
        name.remove_prefix(1);
    while (!name.empty() && static_cast<unsigned char>(name.back()) <= 0x20)
        name.remove_suffix(1);
    std::string folded(name);
    for (char& c : folded)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return folded;
}

bool SameKey(const Pair& a, const Pair& b) {
    return Folded(a.first) == Folded(b.first) && Folded(a.second) == Folded(b.second);
}

std::vector<Pair> AllKeys(const pw::ProfileFile& file) {
    std::vector<Pair> pairs;
    std::vector<std::string> sections = file.SectionNames();
    sections.insert(sections.begin(), ""); // the part before the first section
    for (const std::string& section : sections) {
        for (std::string& key : file.KeyNames(section))
            pairs.emplace_back(section, std::move(key));
    }
    return pairs;
}

// The Unicode forms a file can announce with its mark.
struct Form {
    std::string_view mark;
    std::size_t unit; // bytes
    bool littleEndian;
};
constexpr Form kForms[] = {
    {"\xFF\xFE", 2, true}, {"\xFE\xFF", 2, false}, {"\xEF\xBB\xBF", 1, true}};

// The lines of a marked file after its mark, as they stand in its units.
std::vector<std::u16string> LinesOf(std::string_view bytes, const Form& form) {
    bytes.remove_prefix(form.mark.size());
    std::u16string units;
    for (std::size_t i = 0; i + form.unit <= bytes.size(); i += form.unit) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = form.unit == 2 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        units += static_cast<char16_t>(form.unit == 1      ? a
                                       : form.littleEndian ? a | b << 8
                                                           : b | a << 8);
    }
    std::vector<std::u16string> lines;
    pw::ForEachLine(std::u16string_view(units), [&](std::u16string_view line, std::u16string_view) {
        lines.emplace_back(line);
    });
    return lines;
}

// The input as a Unicode file of the form (its mark put in front when it has
// none). Written back unchanged, it has the same lines and the same stray last
// byte; with a key added, those lines and then the new ones.
void CheckUnicode(std::string_view input, const Form& form) {
    const std::string bytes = input.starts_with(form.mark)
                                  ? std::string(input)
                                  : std::string(form.mark) + std::string(input);
    Latin1CodePage codePage;
    const pw::ProfileText text = pw::ProfileText::Decode(bytes, codePage);
    pw::ProfileFile file = pw::ProfileFile::Parse(text.Text());
    const std::string same = text.Encode(file, codePage);
    const std::size_t stray = (bytes.size() - form.mark.size()) % form.unit;
    if (!same.starts_with(form.mark) || LinesOf(same, form) != LinesOf(bytes, form) ||
        (same.size() - form.mark.size()) % form.unit != stray ||
        (stray == 1 && same.back() != bytes.back()))
        Fail("a Unicode file written back unchanged differs", {});

    // A section of that name already there takes the key; a text that starts
    // as a UTF-8 mark is written with the mark before the first line, which
    // joins a mark alone on its line to the next.
    for (const std::string& section : file.SectionNames())
        if (Folded(section) == "fuzz new section")
            return;
    if (text.Text().starts_with("\xEF\xBB\xBF"))
        return;
    if (!file.SetString("Fuzz New Section", "key", "value"))
        Fail("a plain value was refused", {"Fuzz New Section", "key"});
    const std::string changed = text.Encode(file, codePage);
    std::vector<std::u16string> expected = LinesOf(bytes, form);
    expected.push_back(u"[Fuzz New Section]");
    expected.push_back(u"key=value");
    if (LinesOf(changed, form) != expected)
        Fail("a Unicode file lost a line to a new key", {"Fuzz New Section", "key"});
    const pw::ProfileText reread = pw::ProfileText::Decode(changed, codePage);
    if (pw::ProfileFile::Parse(reread.Text()).Find("Fuzz New Section", "key") !=
        file.Find("Fuzz New Section", "key"))
        Fail("a key set in a Unicode file does not read back", {"Fuzz New Section", "key"});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const Form& form : kForms)
        CheckUnicode(bytes, form);
    const pw::ProfileFile file = pw::ProfileFile::Parse(bytes);
    const std::vector<Pair> pairs = AllKeys(file);
    for (const Pair& pair : pairs) {
        if (!file.Find(pair.first, pair.second))
            Fail("a listed key cannot be read", pair);
        (void)file.GetInt(pair.first, pair.second, 0);
    }

    // Written back and read again, the file says the same, and writing it
    // once more gives the same bytes.
    const std::string written = file.Serialize();
    const pw::ProfileFile reread = pw::ProfileFile::Parse(written);
    for (const Pair& pair : pairs) {
        if (reread.Find(pair.first, pair.second) != file.Find(pair.first, pair.second))
            Fail("a value changed on writing", pair);
    }
    if (reread.Serialize() != written)
        Fail("a second write differs", {});

    // Set the input itself, escaped, as a new key, an existing one and one in
    // a new section.
    const std::string_view text = bytes.substr(0, 4096);
    std::vector<Edit> edits;
    if (!pairs.empty()) {
        edits.emplace_back(pairs.front(), text.substr(0, text.size() / 2));
        edits.emplace_back(Pair{pairs.back().first, "fuzz new key"}, text.substr(1));
    }
    edits.emplace_back(Pair{"Fuzz New Section", "whole"}, text);

    pw::ProfileFile changed = file;
    std::vector<Edit> made;
    for (const Edit& edit : edits) {
        if (changed.SetString(edit.key.first, edit.key.second,
                              pw::EncodeStoredValue(edit.text, pw::StoredFormat::Profile)))
            made.push_back(edit);
        else if (!edit.key.second.starts_with('['))
            Fail("an escaped value was refused", edit.key);
    }
    const pw::ProfileFile after = pw::ProfileFile::Parse(changed.Serialize());
    for (auto edit = made.begin(); edit != made.end(); ++edit) {
        // The input may hold the "new" key itself: then a later edit replaces an earlier one.
        bool replaced = false;
        for (auto later = edit + 1; later != made.end(); ++later)
            replaced = replaced || SameKey(later->key, edit->key);
        if (replaced)
            continue;
        const std::optional<std::string> read = after.Find(edit->key.first, edit->key.second);
        if (!read || pw::DecodeStoredValue(*read) != edit->text)
            Fail("a value set does not read back", edit->key);
    }
    for (const Pair& pair : pairs) {
        bool set = false;
        for (const Edit& edit : made)
            set = set || SameKey(pair, edit.key);
        if (!set && after.Find(pair.first, pair.second) != file.Find(pair.first, pair.second))
            Fail("a key not set changed", pair);
    }
    return 0;
}
