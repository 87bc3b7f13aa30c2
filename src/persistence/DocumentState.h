#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

inline constexpr std::string_view kUntitled = "Untitled";

// The last path component: everything after the last '\' or ':' (and '/').
std::string_view FileNameOf(std::string_view path);

enum class SaveQuestionFor { NewOrLoad, Exit };

// The configuration document the list belongs to. The main window's caption is
// made from it: the base title alone while no document is shown (the list
// lives in the settings file), else " - [name]" after it, with a "*" before
// the "]" while the document has unsaved changes.
class DocumentState {
public:
    // Empty, "Untitled" or a full path. It can differ from the name shown:
    // a file named by the settings that could not be opened is not shown.
    const std::string& File() const { return file_; }
    void SetFile(std::string path) { file_ = std::move(path); }

    // Shows a document by this name, without changes.
    void Show(std::string name);
    // A change to the list marks a shown document only.
    void MarkChanged();
    void MarkSaved() { changed_ = false; }

    bool Shown() const { return name_.has_value(); }
    bool Changed() const { return Shown() && changed_; }
    bool Untitled() const { return name_ == kUntitled; }
    // Whether the shown name is the file name of the current file.
    bool ShowsCurrentFile() const;

    // Save is available while a shown document has changes.
    bool CanSave() const { return Changed(); }
    // Whether replacing the list (or exiting) must ask about unsaved changes.
    bool MustAskToSave(int rowCount, SaveQuestionFor when) const;

    std::string Caption(std::string_view baseTitle) const;

private:
    std::string file_;
    std::optional<std::string> name_;
    bool changed_ = false;
};

} // namespace pw
