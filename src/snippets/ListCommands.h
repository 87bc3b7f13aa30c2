#pragma once

#include "snippets/SnippetList.h"

namespace pw {

// Availability of the selection commands.
bool CanEdit(const SnippetTable& table);
bool CanMoveUp(const SnippetTable& table);
bool CanMoveDown(const SnippetTable& table);
bool CanRemove(const SnippetTable& table);

// Hotkeys belong to positions: moving and removing shift contents between rows
// and leave every number and hotkey cell where it is.
void MoveUp(const SnippetList& list);
void MoveDown(const SnippetList& list);
void RemoveSelected(const SnippetList& list);

} // namespace pw
