#pragma once

#include <string>
#include <vector>

namespace pw {

// The rows as the hotkey side sees them: for each 0-based row the text its
// hotkey pastes and the hotkey cell. The snippet table implements it, so the
// paste and the two dialogs reach the rows without knowing the table.
class HotkeyRows {
public:
    virtual ~HotkeyRows() = default;

    virtual int RowCount() const = 0;
    virtual const std::string& Content(int row) const = 0;
    virtual const std::string& Hotkey(int row) const = 0;
    virtual void SetContent(int row, std::string text) = 0;
    virtual void SetHotkey(int row, std::string text) = 0;
};

// Every row's hotkey cell, first row first.
std::vector<std::string> HotkeyCells(const HotkeyRows& rows);

} // namespace pw
