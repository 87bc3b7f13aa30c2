#pragma once

#include "ui/ListView.h"

#include <string>
#include <vector>

namespace pw::test {

// One column of the list view, top to bottom.
inline std::vector<std::string> ColumnCells(const ui::ListView& view, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < view.RowCount(); ++row)
        cells.push_back(view.Cell(row, column));
    return cells;
}

} // namespace pw::test
