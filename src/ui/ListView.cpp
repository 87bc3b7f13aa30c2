#include "ui/ListView.h"

#include <utility>

namespace pw::ui {

namespace {
const std::string kEmpty;
}

void ListView::SetColumns(std::vector<Column> columns) {
    columns_ = std::move(columns);
    for (auto& row : rows_)
        row.resize(columns_.size());
    Notify(Change::Columns);
}

void ListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= static_cast<int>(columns_.size()) ||
        columns_[column].width == width)
        return;
    columns_[column].width = width;
    Notify(Change::Columns);
}

const std::string& ListView::Cell(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(rows_[row].size()))
        return kEmpty;
    return rows_[row][column];
}

void ListView::SetCell(int row, int column, std::string text) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns_.size()))
        return;
    rows_[row][column] = std::move(text);
    ++revision_;
    Notify(Change::Item, row);
}

void ListView::SwapCells(int rowA, int rowB, int column) {
    if (rowA < 0 || rowB < 0 || rowA >= RowCount() || rowB >= RowCount() || column < 0 ||
        column >= static_cast<int>(columns_.size()))
        return;
    std::swap(rows_[rowA][column], rows_[rowB][column]);
    ++revision_;
    Notify(Change::Item, rowA);
    Notify(Change::Item, rowB);
}

void ListView::AppendRow(std::vector<std::string> cells) {
    cells.resize(columns_.size());
    rows_.push_back(std::move(cells));
    ++revision_;
    NotifyItems();
}

void ListView::DeleteRow(int row) {
    if (row < 0 || row >= RowCount())
        return;
    rows_.erase(rows_.begin() + row);
    ++revision_;
    if (selected_ == row)
        selected_ = -1;
    else if (selected_ > row)
        --selected_;
    NotifyItems();
}

void ListView::Clear() {
    rows_.clear();
    selected_ = -1;
    ++revision_;
    NotifyItems();
}

void ListView::NotifyItems() {
    if (updating_ > 0)
        itemsPending_ = true;
    else
        Notify(Change::Items);
}

void ListView::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0 && itemsPending_) {
        itemsPending_ = false;
        Notify(Change::Items);
    }
}

void ListView::Select(int row) {
    if (row < -1 || row >= RowCount())
        row = -1;
    if (row == selected_)
        return;
    selected_ = row;
    Notify(Change::Selection);
}

std::vector<std::size_t> ListView::ColumnsToResize(std::span<const int> shown) const {
    std::vector<std::size_t> resize;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (i >= shown.size() || shown[i] != columns_[i].width)
            resize.push_back(i);
    return resize;
}

} // namespace pw::ui
