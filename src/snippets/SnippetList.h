#pragma once

#include <functional>
#include <string>

namespace pw {

class Desktop;
class HotkeyRegistry;
class SnippetTable;

// What the list's commands work on: the rows, the hotkeys, the system, and the
// change mark of the current document.
struct SnippetList {
    SnippetTable& table;
    HotkeyRegistry& hotkeys;
    Desktop& desktop;
    std::function<void()> markChanged;

    void MarkChanged() const {
        if (markChanged)
            markChanged();
    }
};

// The one way a single new text enters the list (Add, auto-add). A text equal
// to a row's content in ASCII upper case is refused without a word.
void AddSnippet(const SnippetList& list, std::string text);

// A row read from a file: stored as it is, its hotkey registered when it has
// one. Returns false when the system refused that hotkey; the reader reports it.
bool AppendReadRow(const SnippetList& list, std::string number, std::string content,
                   std::string hotkey);

} // namespace pw
