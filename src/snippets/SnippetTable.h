#pragma once

#include "hotkeys/HotkeyRows.h"
#include "platform/TextCase.h"
#include "ui/ListView.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pw {

// The snippet rows as the list view holds them: number, content and hotkey
// cells. The list view is the only copy of the data; this class adds the
// duplicate index, which keeps hashes of upper-cased contents, not the texts.
class SnippetTable final : public HotkeyRows {
public:
    static constexpr int kNumberColumn = 0;
    static constexpr int kContentColumn = 1;
    static constexpr int kHotkeyColumn = 2;

    SnippetTable(ui::ListView& view, TextCase& textCase) : view_(view), textCase_(textCase) {}

    ui::ListView& View() { return view_; }
    const ui::ListView& View() const { return view_; }

    int RowCount() const override { return view_.RowCount(); }
    const std::string& Number(int row) const { return view_.Cell(row, kNumberColumn); }
    const std::string& Content(int row) const override { return view_.Cell(row, kContentColumn); }
    const std::string& Hotkey(int row) const override { return view_.Cell(row, kHotkeyColumn); }

    void SetContent(int row, std::string text) override;
    void SetHotkey(int row, std::string text) override;
    void SwapContents(int rowA, int rowB);
    // Returns the new row's index.
    int Append(std::string number, std::string content, std::string hotkey);
    // Appends a row without hotkey unless a row holds the content already (the
    // test of HasDuplicate); the new row's index, or -1 for a duplicate. One
    // pass over the content, which matters for texts of megabytes.
    int AppendUnlessDuplicate(std::string number, std::string content);
    void DeleteBottomRow();
    void Clear();

    int Selected() const { return view_.Selected(); }
    void Select(int row) { view_.Select(row); }

    // Does a row hold this text when both are upper-cased, as the system
    // upper-cases them?
    bool HasDuplicate(std::string_view text) const;

private:
    std::uint64_t UpperHash(std::string_view text) const;
    bool SameUpperCase(std::string_view a, std::string_view b) const;
    void SyncIndex() const;
    void IndexInsert(int row) const;
    bool IndexHolds(std::uint64_t hash, std::string_view text) const;
    void IndexErase(int row) const;

    ui::ListView& view_;
    TextCase& textCase_;
    // Hash of a row's upper-cased content -> the row; rebuilt whenever the view
    // changed behind this class's back.
    mutable std::unordered_multimap<std::uint64_t, int> index_;
    mutable std::uint64_t indexedRevision_ = ~std::uint64_t{0};
};

// ASCII-only case folding, as the duplicate test and the hotkey words use it.
char AsciiUpper(char c);
std::string AsciiUpper(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace pw
