#include "snippets/SnippetTable.h"

#include "text/Utf8.h"

#include <cstring>
#include <utility>

namespace pw {

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AsciiUpper(c);
    return out;
}

namespace {

// Texts can be megabytes long (a whole copied document), so the case folding
// behind the duplicate test works on eight bytes at a time.
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t Load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The last 1 to 7 bytes, zero-padded.
std::uint64_t LoadTail(const char* p, std::size_t n) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, n);
    return word;
}

// ASCII a-z to A-Z in every byte; bytes from 0x80 up are left alone.
std::uint64_t Upper8(std::uint64_t x) {
    const std::uint64_t low7 = x & ~kHighBits;
    const std::uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
    const std::uint64_t aboveZ = low7 + (0x7F - 'z') * kOnes;
    const std::uint64_t lower = ~x & (atLeastA ^ aboveZ) & kHighBits;
    return x - (lower >> 2);
}

constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * kMix;
    return h ^ (h >> 29);
}

} // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    const std::size_t whole = a.size() - a.size() % 8;
    for (std::size_t i = 0; i < whole; i += 8)
        if (Upper8(Load8(a.data() + i)) != Upper8(Load8(b.data() + i)))
            return false;
    const std::size_t rest = a.size() - whole;
    return rest == 0 ||
           Upper8(LoadTail(a.data() + whole, rest)) == Upper8(LoadTail(b.data() + whole, rest));
}

namespace {

// The hash of the text with its ASCII letters upper-cased, and whether it
// holds anything but ASCII, which the system must upper-case instead.
struct AsciiUpperHash {
    std::uint64_t hash;
    bool ascii;
};

AsciiUpperHash HashAsciiUpper(std::string_view text) {
    // Two independent lanes keep the multiplier busy.
    std::uint64_t h1 = 0x243F6A8885A308D3ULL;
    std::uint64_t h2 = 0x13198A2E03707344ULL;
    std::uint64_t high = 0;
    const char* p = text.data();
    std::size_t n = text.size();
    for (; n >= 16; p += 16, n -= 16) {
        const std::uint64_t a = Load8(p);
        const std::uint64_t b = Load8(p + 8);
        high |= a | b;
        h1 = Mix(h1, Upper8(a));
        h2 = Mix(h2, Upper8(b));
    }
    if (n >= 8) {
        const std::uint64_t a = Load8(p);
        high |= a;
        h1 = Mix(h1, Upper8(a));
        p += 8;
        n -= 8;
    }
    if (n > 0) {
        const std::uint64_t a = LoadTail(p, n);
        high |= a;
        h2 = Mix(h2, Upper8(a));
    }
    return {Mix(h1 ^ (h2 << 32 | h2 >> 32), text.size()), (high & kHighBits) == 0};
}

std::string SystemUpper(TextCase& textCase, std::string_view text) {
    return Utf16ToUtf8(textCase.UpperCase(Utf8ToUtf16(text)));
}

} // namespace

std::uint64_t SnippetTable::UpperHash(std::string_view text) const {
    const AsciiUpperHash ascii = HashAsciiUpper(text);
    if (ascii.ascii)
        return ascii.hash;
    // The system's upper case of an ASCII letter is the ASCII one, so a text
    // and its ASCII upper case agree on the hash whichever way they are made.
    return HashAsciiUpper(SystemUpper(textCase_, text)).hash;
}

bool SnippetTable::SameUpperCase(std::string_view a, std::string_view b) const {
    if (EqualsIgnoringAsciiCase(a, b))
        return true;
    // Bytes that are no text (which the program never makes) are compared as
    // bytes, so that two different damages do not pass for the same text.
    if ((IsAscii(a) && IsAscii(b)) || !IsWellFormedUtf8(a) || !IsWellFormedUtf8(b))
        return false;
    return textCase_.UpperCase(Utf8ToUtf16(a)) == textCase_.UpperCase(Utf8ToUtf16(b));
}

void SnippetTable::SyncIndex() const {
    if (indexedRevision_ == view_.Revision())
        return;
    index_.clear();
    index_.reserve(static_cast<std::size_t>(view_.RowCount()));
    for (int row = 0; row < view_.RowCount(); ++row)
        IndexInsert(row);
    indexedRevision_ = view_.Revision();
}

void SnippetTable::IndexInsert(int row) const {
    index_.emplace(UpperHash(Content(row)), row);
}

void SnippetTable::IndexErase(int row) const {
    auto [first, last] = index_.equal_range(UpperHash(Content(row)));
    for (auto it = first; it != last; ++it) {
        if (it->second == row) {
            index_.erase(it);
            return;
        }
    }
}

bool SnippetTable::IndexHolds(std::uint64_t hash, std::string_view text) const {
    auto [first, last] = index_.equal_range(hash);
    for (auto it = first; it != last; ++it)
        if (SameUpperCase(Content(it->second), text))
            return true;
    return false;
}

bool SnippetTable::HasDuplicate(std::string_view text) const {
    SyncIndex();
    return IndexHolds(UpperHash(text), text);
}

int SnippetTable::AppendUnlessDuplicate(std::string number, std::string content) {
    SyncIndex();
    const std::uint64_t hash = UpperHash(content);
    if (IndexHolds(hash, content))
        return -1;
    view_.AppendRow({std::move(number), std::move(content), std::string()});
    const int row = RowCount() - 1;
    index_.emplace(hash, row);
    indexedRevision_ = view_.Revision();
    return row;
}

// Each writer below keeps the index in step when it was current before the
// write, so that the view's new revision is then current as well.

void SnippetTable::SetContent(int row, std::string text) {
    if (row < 0 || row >= RowCount())
        return;
    const bool current = indexedRevision_ == view_.Revision();
    if (current)
        IndexErase(row);
    view_.SetCell(row, kContentColumn, std::move(text));
    if (current) {
        IndexInsert(row);
        indexedRevision_ = view_.Revision();
    }
}

void SnippetTable::SetHotkey(int row, std::string text) {
    const bool current = indexedRevision_ == view_.Revision();
    view_.SetCell(row, kHotkeyColumn, std::move(text));
    if (current)
        indexedRevision_ = view_.Revision();
}

void SnippetTable::SwapContents(int rowA, int rowB) {
    if (rowA < 0 || rowB < 0 || rowA >= RowCount() || rowB >= RowCount() || rowA == rowB)
        return;
    const bool current = indexedRevision_ == view_.Revision();
    if (current) {
        IndexErase(rowA);
        IndexErase(rowB);
    }
    view_.SwapCells(rowA, rowB, kContentColumn);
    if (current) {
        IndexInsert(rowA);
        IndexInsert(rowB);
        indexedRevision_ = view_.Revision();
    }
}

int SnippetTable::Append(std::string number, std::string content, std::string hotkey) {
    const bool current = indexedRevision_ == view_.Revision();
    view_.AppendRow({std::move(number), std::move(content), std::move(hotkey)});
    const int row = RowCount() - 1;
    if (current) {
        IndexInsert(row);
        indexedRevision_ = view_.Revision();
    }
    return row;
}

void SnippetTable::DeleteBottomRow() {
    const int row = RowCount() - 1;
    if (row < 0)
        return;
    const bool current = indexedRevision_ == view_.Revision();
    if (current)
        IndexErase(row);
    view_.DeleteRow(row);
    if (current)
        indexedRevision_ = view_.Revision();
}

void SnippetTable::Clear() {
    view_.Clear();
    index_.clear();
    indexedRevision_ = view_.Revision();
}

} // namespace pw
