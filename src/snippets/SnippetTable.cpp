#include "snippets/SnippetTable.h"

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

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return true;
}

std::uint64_t SnippetTable::UpperHash(std::string_view text) {
    std::uint64_t h = 14695981039346656037ULL; // FNV-1a
    for (char c : text) {
        h ^= static_cast<unsigned char>(AsciiUpper(c));
        h *= 1099511628211ULL;
    }
    return h;
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

bool SnippetTable::HasDuplicate(std::string_view text) const {
    SyncIndex();
    auto [first, last] = index_.equal_range(UpperHash(text));
    for (auto it = first; it != last; ++it)
        if (EqualsIgnoringAsciiCase(Content(it->second), text))
            return true;
    return false;
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
