#include "hotkeys/HotkeyRows.h"

namespace pw {

std::vector<std::string> HotkeyCells(const HotkeyRows& rows) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(rows.RowCount()));
    for (int row = 0; row < rows.RowCount(); ++row)
        cells.push_back(rows.Hotkey(row));
    return cells;
}

} // namespace pw
