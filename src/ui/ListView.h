#pragma once

#include "ui/Control.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace pw::ui {

struct Column {
    std::string caption;
    int width = 0;
};

// A report-style list view whose rows live here and nowhere else: the native
// control is virtual and asks this object for every cell it draws.
class ListView : public Control {
public:
    explicit ListView(std::string name) : Control(std::move(name), Kind::ListView) {}

    void SetColumns(std::vector<Column> columns);
    const std::vector<Column>& Columns() const { return columns_; }
    // The columns whose width differs from what the real list shows (`shown`,
    // by column): setting a width costs the header a layout, a notification
    // and a repaint even when it stays, and the user may have dragged one.
    std::vector<std::size_t> ColumnsToResize(std::span<const int> shown) const;
    void SetColumnWidth(int column, int width);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Out-of-range reads give the empty string: a row always has every cell.
    const std::string& Cell(int row, int column) const;
    void SetCell(int row, int column, std::string text);
    void SwapCells(int rowA, int rowB, int column);
    void AppendRow(std::vector<std::string> cells);
    void DeleteRow(int row);
    void Clear();

    // -1 when nothing is selected; at most one row is.
    int Selected() const { return selected_; }
    void Select(int row);

    // Grows on every change of a cell or of the rows, so derived indexes can tell
    // whether they are stale.
    std::uint64_t Revision() const { return revision_; }

    // Many rows at once: the native control hears of the rows once, at the
    // end, instead of once per row. Nests.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();
    class Batch {
    public:
        explicit Batch(ListView& view) : view_(view) { view_.BeginUpdate(); }
        ~Batch() { view_.EndUpdate(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ListView& view_;
    };

    std::function<void()> OnDblClick;

private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
    int selected_ = -1;
    std::uint64_t revision_ = 0;
    int updating_ = 0;
    bool itemsPending_ = false;
    void NotifyItems();
};

} // namespace pw::ui
