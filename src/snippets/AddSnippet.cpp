#include "snippets/SnippetList.h"

#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/HotkeyText.h"
#include "snippets/SnippetTable.h"

#include <utility>

namespace pw {

namespace {
constexpr int kRowsWithDefaultHotkey = 10;
}

void AddSnippet(const SnippetList& list, std::string text) {
    const int n = list.table.RowCount() + 1;
    const int row = list.table.AppendUnlessDuplicate(std::to_string(n), std::move(text));
    if (row < 0)
        return;
    list.MarkChanged();
    if (n <= kRowsWithDefaultHotkey) {
        std::string hotkey = DefaultHotkeyText(n);
        if (!list.hotkeys.Register(ParseHotkeyText(hotkey, list.desktop), n, hotkey)) {
            ReportHotkeySettingFailed(list.desktop);
            return;
        }
        list.table.SetHotkey(row, std::move(hotkey));
    }
    list.table.Select(row);
}

bool AppendReadRow(const SnippetList& list, std::string number, std::string content,
                   std::string hotkey) {
    const std::string text = hotkey;
    list.table.Append(std::move(number), std::move(content), std::move(hotkey));
    if (text.empty())
        return true;
    return list.hotkeys.Register(ParseHotkeyText(text, list.desktop), list.table.RowCount(), text);
}

} // namespace pw
