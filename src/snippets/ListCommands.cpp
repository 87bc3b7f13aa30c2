#include "snippets/ListCommands.h"

#include "hotkeys/HotkeyRegistry.h"
#include "snippets/SnippetTable.h"

namespace pw {

bool CanEdit(const SnippetTable& table) {
    return table.Selected() >= 0;
}

bool CanMoveUp(const SnippetTable& table) {
    return table.Selected() > 0;
}

bool CanMoveDown(const SnippetTable& table) {
    const int i = table.Selected();
    return i >= 0 && i < table.RowCount() - 1;
}

bool CanRemove(const SnippetTable& table) {
    return table.Selected() >= 0;
}

void MoveUp(const SnippetList& list) {
    if (!CanMoveUp(list.table))
        return;
    const int i = list.table.Selected();
    list.table.SwapContents(i, i - 1);
    list.table.Select(i - 1);
    list.MarkChanged();
}

void MoveDown(const SnippetList& list) {
    if (!CanMoveDown(list.table))
        return;
    const int i = list.table.Selected();
    list.table.SwapContents(i, i + 1);
    list.table.Select(i + 1);
    list.MarkChanged();
}

void RemoveSelected(const SnippetList& list) {
    if (!CanRemove(list.table))
        return;
    SnippetTable& table = list.table;
    const int i = table.Selected();
    const int n = table.RowCount();
    for (int j = i; j <= n - 2; ++j)
        table.SetContent(j, table.Content(j + 1));
    if (const THotkeyInfo* bottom = list.hotkeys.Records().FindLastByIndex(n))
        list.hotkeys.ReleaseAndDispose(bottom->HotkeyId);
    table.DeleteBottomRow();
    const int left = n - 1;
    if (i < left)
        table.Select(i);
    else
        table.Select(left > 0 ? 0 : -1);
    list.MarkChanged();
}

} // namespace pw
