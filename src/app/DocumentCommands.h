#pragma once

#include "persistence/DocumentState.h"
#include "persistence/PwcFormat.h"
#include "snippets/SnippetList.h"

#include <optional>
#include <string>
#include <vector>

namespace pw {

namespace ui {
class Form;
}

// What the document commands work on: the document, the window whose caption
// shows it, and the list.
struct DocumentContext {
    DocumentState& document;
    ui::Form& window;
    SnippetList list;
    std::string& saveDialogTitle; // empty until New has been used
    std::string baseTitle;
};

enum class WriteOutcome { Written, NotAConfigurationFile, Failed };

// Writes the whole list to the path; clears the change mark when written.
WriteOutcome WriteConfigurationFile(const DocumentContext& doc, const std::string& path);

// Appends the file's entries to the (emptied) list and registers their
// hotkeys. A hotkey the system refuses is reported once and its row stays
// without a registration; reading goes on, so no list is ever left half read.
// False when the file could not be read at all.
bool ReadConfigurationFile(const DocumentContext& doc, const std::string& path);

// The list as the settings file left it, by the current configuration file:
// the stored rows with no document, an empty untitled list, or the named file.
void RestoreStoredList(const DocumentContext& doc, std::vector<PwcEntry> storedRows);

// Yes/No/Cancel about unsaved changes; false means cancel.
bool AskSaveChanges(const DocumentContext& doc);
// The save dialog, ".pwc" appended, the overwrite question, the write.
// Returns the written path, or nullopt when nothing was written.
std::optional<std::string> ChooseSaveFile(const DocumentContext& doc);

void NewConfiguration(const DocumentContext& doc);
void LoadConfiguration(const DocumentContext& doc);
void SaveConfiguration(const DocumentContext& doc);
void SaveConfigurationAs(const DocumentContext& doc);

} // namespace pw
