#include "app/DocumentCommands.h"

#include "hotkeys/HotkeyRegistry.h"
#include "persistence/AtomicWrite.h"
#include "persistence/PwcFormat.h"
#include "platform/Desktop.h"
#include "platform/Product.h"
#include "snippets/SnippetTable.h"
#include "ui/Form.h"

#include <vector>

namespace pw {

namespace {

constexpr const char* kConfigFilter = PW_PRODUCT_NAME " Config Files (*.pwc)|*.pwc";

void ShowError(Desktop& desktop, const std::string& text) {
    desktop.ShowMessage(text, kMessageCaption, MessageIcon::Error, MessageButtons::Ok);
}

std::string WithReason(const std::string& text, const std::string& reason) {
    return reason.empty() ? text : text + "\n\n" + reason;
}

// The caption always follows the document.
void ShowTitle(const DocumentContext& doc) {
    doc.window.SetCaption(doc.document.Caption(doc.baseTitle));
}

void Show(const DocumentContext& doc, std::string_view name) {
    doc.document.Show(std::string(name));
    ShowTitle(doc);
}

void ClearList(const DocumentContext& doc) {
    doc.list.hotkeys.ReleaseAll();
    doc.list.table.Clear();
}

// Every row is appended, also after a hotkey the system refuses: the settings
// file is rewritten from the rows at exit, so a row left out here would be lost.
void AppendRows(const DocumentContext& doc, std::vector<PwcEntry> rows) {
    ui::ListView::Batch batch(doc.list.table.View());
    bool reported = false;
    for (PwcEntry& e : rows) {
        if (!AppendReadRow(doc.list, std::move(e.number), std::move(e.content),
                           std::move(e.hotkey)) &&
            !reported) {
            ReportHotkeySettingFailed(doc.list.desktop);
            reported = true;
        }
    }
}

} // namespace

WriteOutcome WriteConfigurationFile(const DocumentContext& doc, const std::string& path) {
    Desktop& desktop = doc.list.desktop;
    if (!HasConfigurationExtension(path)) {
        ShowError(desktop, "The file is not a configuration file for " PW_PRODUCT_NAME ": " + path);
        return WriteOutcome::NotAConfigurationFile;
    }
    const SnippetTable& table = doc.list.table;
    std::vector<PwcEntry> entries;
    entries.reserve(static_cast<std::size_t>(table.RowCount()));
    for (int row = 0; row < table.RowCount(); ++row)
        entries.push_back({table.Number(row), table.Content(row), table.Hotkey(row)});
    const IoResult written =
        WriteFileAtomically(desktop, path, ConfigurationFileBytes(entries, desktop));
    if (!written.ok) {
        ShowError(desktop, WithReason("Unable to write to " + path, written.reason));
        return WriteOutcome::Failed;
    }
    doc.document.MarkSaved();
    ShowTitle(doc);
    return WriteOutcome::Written;
}

bool ReadConfigurationFile(const DocumentContext& doc, const std::string& path) {
    Desktop& desktop = doc.list.desktop;
    std::string bytes;
    if (const IoResult read = desktop.ReadFile(path, bytes); !read.ok) {
        ShowError(desktop, WithReason("Unable to read " + path, read.reason));
        return false;
    }
    AppendRows(doc, ConfigurationFileEntries(bytes, desktop));
    return true;
}

void RestoreStoredList(const DocumentContext& doc, std::vector<PwcEntry> storedRows) {
    const std::string& file = doc.document.File();
    if (file.empty()) {
        AppendRows(doc, std::move(storedRows));
        return;
    }
    if (file == kUntitled) {
        doc.list.table.Clear();
        Show(doc, kUntitled);
        return;
    }
    if (!doc.list.desktop.FileExists(file)) {
        ShowError(doc.list.desktop, "File does not exist: " + file);
        return;
    }
    if (ReadConfigurationFile(doc, file))
        Show(doc, FileNameOf(file));
}

bool AskSaveChanges(const DocumentContext& doc) {
    const bool untitled = doc.document.Untitled();
    const std::string& file = doc.document.File();
    const std::string question =
        untitled ? std::string("Do you want to save changes to configuration file?")
                 : "Do you want to save changes to " + file;
    const MessageAnswer answer = doc.list.desktop.ShowMessage(
        question, kMessageCaption, MessageIcon::Question, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::No)
        return true;
    if (!untitled && !file.empty())
        return WriteConfigurationFile(doc, file) != WriteOutcome::Failed;
    return ChooseSaveFile(doc).has_value();
}

std::optional<std::string> ChooseSaveFile(const DocumentContext& doc) {
    Desktop& desktop = doc.list.desktop;
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = doc.saveDialogTitle;
    request.filter = kConfigFilter;
    if (!doc.document.Untitled())
        request.initialName = std::string(FileNameOf(doc.document.File()));
    std::optional<std::string> chosen = desktop.ChooseFile(request);
    if (!chosen)
        return std::nullopt;
    std::string path = *chosen;
    if (!HasConfigurationExtension(path))
        path += ".pwc";
    if (desktop.FileExists(path) &&
        desktop.ShowMessage(path + " has existed,overite it?", kMessageCaption,
                            MessageIcon::Information,
                            MessageButtons::YesNoDefaultNo) != MessageAnswer::Yes)
        return std::nullopt;
    if (WriteConfigurationFile(doc, path) != WriteOutcome::Written)
        return std::nullopt;
    return path;
}

void NewConfiguration(const DocumentContext& doc) {
    doc.saveDialogTitle = "Save as " PW_PRODUCT_NAME " Configuration File";
    if (doc.document.MustAskToSave(doc.list.table.RowCount(), SaveQuestionFor::NewOrLoad) &&
        !AskSaveChanges(doc))
        return;
    ClearList(doc);
    doc.document.SetFile(std::string(kUntitled));
    Show(doc, kUntitled);
}

void LoadConfiguration(const DocumentContext& doc) {
    Desktop& desktop = doc.list.desktop;
    if (doc.document.MustAskToSave(doc.list.table.RowCount(), SaveQuestionFor::NewOrLoad) &&
        !AskSaveChanges(doc))
        return;
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.filter = kConfigFilter;
    const std::optional<std::string> path = desktop.ChooseFile(request);
    if (!path)
        return;
    ClearList(doc);
    if (!desktop.FileExists(*path)) {
        ShowError(desktop, "File does not exist: " + *path);
        return;
    }
    if (!ReadConfigurationFile(doc, *path))
        return;
    doc.document.SetFile(*path);
    Show(doc, FileNameOf(*path));
}

void SaveConfiguration(const DocumentContext& doc) {
    if (!doc.document.ShowsCurrentFile()) {
        ShowError(doc.list.desktop, "File save error, please choose Save As to save!");
        return;
    }
    if (doc.document.Untitled() && doc.document.Changed())
        SaveConfigurationAs(doc);
    else
        WriteConfigurationFile(doc, doc.document.File());
}

void SaveConfigurationAs(const DocumentContext& doc) {
    if (const std::optional<std::string> path = ChooseSaveFile(doc)) {
        doc.document.SetFile(*path);
        Show(doc, FileNameOf(*path));
    }
}

} // namespace pw
