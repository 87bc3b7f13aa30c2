#include "persistence/ProfileFile.h"

#include "persistence/TextBytes.h"
#include "text/Blanks.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

namespace pw {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// What a line says ends at a zero byte; the bytes after it are kept unread.
std::string_view Readable(std::string_view line) {
    return line.substr(0, line.find('\0'));
}

std::string Fold(std::string_view name) {
    name = TrimBlanks(name);
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

// The name of the section a line begins, if it begins one.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(Readable(line));
    if (!line.starts_with('['))
        return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    std::string_view value; // trimmed, quotes still on
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    line = Readable(line);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A name as read against one already folded.
bool SameFolded(std::string_view name, std::string_view folded) {
    if (name.size() != folded.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != folded[i])
            return false;
    }
    return true;
}

bool IsBlankLine(std::string_view line) {
    return TrimBlanks(Readable(line)).empty();
}

std::optional<int> ParseInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        for (char c : text.substr(2)) {
            const int digit = HexDigit(c);
            if (digit < 0)
                return std::nullopt;
            magnitude = magnitude * 16 + static_cast<unsigned>(digit);
            if (magnitude > 0xFFFFFFFFu)
                return std::nullopt;
        }
        // Taken as a 32-bit pattern: conversion to int is modular.
        const auto bits = static_cast<std::uint32_t>(magnitude);
        return static_cast<int>(negative ? 0u - bits : bits);
    }
    constexpr std::uint64_t kLimit = 2147483648u; // -INT_MIN
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
        if (magnitude > kLimit)
            return std::nullopt;
    }
    if (!negative && magnitude == kLimit)
        return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(magnitude);
    return static_cast<int>(negative ? 0u - bits : bits);
}

} // namespace

ProfileFile::Line ProfileFile::NewHead(std::string_view section) {
    return Changed("[" + std::string(section) + "]");
}

ProfileFile::Line ProfileFile::Changed(std::string text) {
    return {texts_->emplace_back(std::move(text)), kChangedLine};
}

ProfileFile::ProfileFile() : texts_(std::make_shared<std::deque<std::string>>()) {
    AddSection("", std::nullopt);
}

ProfileFile::Section& ProfileFile::AddSection(std::string name, std::optional<Line> head) {
    sectionIndex_.try_emplace(Fold(name), sections_.size());
    Section& section = sections_.emplace_back();
    section.name = std::move(name);
    section.head = std::move(head);
    return section;
}

ProfileFile ProfileFile::Parse(std::string_view bytes) {
    return ParseTaking(std::string(bytes));
}

ProfileFile ProfileFile::ParseTaking(std::string bytes) {
    ProfileFile file;
    std::string_view text(file.texts_->emplace_back(std::move(bytes)));
    if (text.starts_with(kUtf8Bom)) {
        file.bom_ = kUtf8Bom;
        text.remove_prefix(kUtf8Bom.size());
    }

    Section* section = &file.sections_.front();
    std::size_t number = 0;
    ForEachLine(text, [&](std::string_view text, std::string_view) {
        Line line{text, number++};
        if (IsBlankLine(text)) {
            section->tail.push_back(std::move(line));
            return;
        }
        if (const auto name = SectionName(text)) {
            section = &file.AddSection(std::string(*name), std::move(line));
            return;
        }
        // A non-blank line: the blank ones before it are inside the section.
        for (Line& blank : section->tail)
            section->lines.push_back(std::move(blank));
        section->tail.clear();
        section->lines.push_back(std::move(line));
    });
    return file;
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view name) const {
    const auto found = sectionIndex_.find(Fold(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

void ProfileFile::EnsureKeyIndex(const Section& section) {
    if (section.indexed)
        return;
    section.keys.reserve(section.lines.size());
    for (std::size_t i = 0; i < section.lines.size(); ++i)
        if (const auto key = SplitKeyLine(section.lines[i].Text()))
            section.keys.try_emplace(Fold(key->name), i);
    section.indexed = true;
}

void ProfileFile::ForEachKey(
    std::string_view section,
    const std::function<void(std::string_view key, std::string_view value)>& visit) const {
    if (const Section* found = FindSection(section))
        for (const Line& line : found->lines)
            if (const auto key = SplitKeyLine(line.Text()))
                visit(key->name, Unquote(key->value));
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr)
        return std::nullopt;
    if (std::exchange(found->scanned, true))
        EnsureKeyIndex(*found);
    if (found->indexed) {
        const auto line = found->keys.find(Fold(key));
        if (line == found->keys.end())
            return std::nullopt;
        return std::string(Unquote(SplitKeyLine(found->lines[line->second].Text())->value));
    }
    const std::string wanted = Fold(key);
    for (const Line& line : found->lines)
        if (const auto split = SplitKeyLine(line.Text()); split && SameFolded(split->name, wanted))
            return std::string(Unquote(split->value));
    return std::nullopt;
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
    std::optional<std::string> value = Find(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int ProfileFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> value = Find(section, key);
    if (!value)
        return defaultValue;
    return ParseInt(*value).value_or(defaultValue);
}

bool ProfileFile::SetString(std::string_view section, std::string_view key,
                            std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (HoldsLineBreakOrZero(section) || HoldsLineBreakOrZero(key) || HoldsLineBreakOrZero(value) ||
        key.find('=') != std::string_view::npos || key.starts_with('['))
        return false;

    const auto foundSection = sectionIndex_.find(Fold(section));
    Section& target = foundSection != sectionIndex_.end()
                          ? sections_[foundSection->second]
                          : AddSection(std::string(section), NewHead(section));
    EnsureKeyIndex(target);
    const auto [entry, added] = target.keys.try_emplace(Fold(key), target.lines.size());
    if (added) {
        target.lines.push_back(Changed(std::string(key) + "=" + std::string(value)));
    } else {
        Line& line = target.lines[entry->second];
        line = Changed(std::string(SplitKeyLine(line.Text())->name) + "=" + std::string(value));
    }
    return true;
}

bool ProfileFile::SetNumberedKeys(std::string_view section,
                                  const std::vector<std::string>& values) {
    section = TrimBlanks(section);
    if (HoldsLineBreakOrZero(section) ||
        std::any_of(values.begin(), values.end(),
                    [](const std::string& v) { return HoldsLineBreakOrZero(v); }))
        return false;
    if (values.empty())
        return true;
    const auto foundSection = sectionIndex_.find(Fold(section));
    Section& target = foundSection != sectionIndex_.end()
                          ? sections_[foundSection->second]
                          : AddSection(std::string(section), NewHead(section));
    // The index is made from the lines: drop it, the next lookup remakes it.
    target.keys.clear();
    target.indexed = false;
    // The first line of each key "0" .. "n-1"; other spellings ("03") are
    // other keys, as for any lookup.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> lineOf(values.size(), kNone);
    for (std::size_t i = 0; i < target.lines.size(); ++i) {
        const auto key = SplitKeyLine(target.lines[i].Text());
        if (!key || key->name.empty() || (key->name.size() > 1 && key->name[0] == '0'))
            continue;
        std::size_t index = 0;
        const auto [end, error] =
            std::from_chars(key->name.data(), key->name.data() + key->name.size(), index);
        if (error == std::errc() && end == key->name.data() + key->name.size() &&
            index < values.size() && lineOf[index] == kNone)
            lineOf[index] = i;
    }
    target.lines.reserve(target.lines.size() + values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (lineOf[i] != kNone) {
            Line& line = target.lines[lineOf[i]];
            line = Changed(std::string(SplitKeyLine(line.Text())->name) + "=" + values[i]);
        } else {
            char digits[24];
            const auto written = std::to_chars(digits, digits + sizeof digits, i).ptr;
            std::string line;
            line.reserve(static_cast<std::size_t>(written - digits) + 1 + values[i].size());
            line.append(digits, written).append(1, '=').append(values[i]);
            target.lines.push_back(Changed(std::move(line)));
        }
    }
    return true;
}

std::string_view ProfileFile::Lead() const {
    if (!bom_.empty())
        return bom_;
    // A line set at the very start may begin with the mark's bytes (a key
    // named so): a mark before it keeps a reader from taking them for one.
    for (const Section& section : sections_) {
        const Line* first = section.head             ? &*section.head
                            : !section.lines.empty() ? &section.lines.front()
                            : !section.tail.empty()  ? &section.tail.front()
                                                     : nullptr;
        if (first != nullptr)
            return first->Text().starts_with(kUtf8Bom) ? kUtf8Bom : std::string_view();
    }
    return {};
}

void ProfileFile::ForEachWrittenLine(
    const std::function<void(std::string_view line, std::size_t origin)>& visit) const {
    for (const Section& section : sections_) {
        if (section.head)
            visit(section.head->Text(), section.head->origin);
        for (const Line& line : section.lines)
            visit(line.Text(), line.origin);
        for (const Line& line : section.tail)
            visit(line.Text(), line.origin);
    }
}

std::size_t ProfileFile::SerializedSize() const {
    std::size_t size = Lead().size();
    for (const Section& section : sections_) {
        size += section.head ? section.head->Text().size() + 2 : 0;
        for (const Line& line : section.lines)
            size += line.Text().size() + 2;
        for (const Line& line : section.tail)
            size += line.Text().size() + 2;
    }
    return size;
}

std::string ProfileFile::Serialize() const {
    std::string out;
    out.reserve(SerializedSize());
    out += Lead();
    ForEachWrittenLine([&out](std::string_view line, std::size_t) {
        out += line;
        out += "\r\n";
    });
    return out;
}

std::vector<std::string> ProfileFile::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (section.head)
            names.push_back(section.name);
    }
    return names;
}

std::vector<std::string> ProfileFile::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = FindSection(section)) {
        for (const Line& line : found->lines) {
            if (const auto key = SplitKeyLine(line.Text()))
                names.emplace_back(key->name);
        }
    }
    return names;
}

} // namespace pw
