#pragma once

#include <string>
#include <string_view>

namespace pw {

// The main window's caption is the only record of the document state: every
// test here is a test on the caption text.

inline constexpr std::string_view kUntitled = "Untitled";

// The last path component: everything after the last '\' or ':' (and '/').
std::string_view FileNameOf(std::string_view path);

// base + " - [" + name + "]"
std::string DocumentCaption(std::string_view baseTitle, std::string_view name);

// Puts "*" before a final "]" when the caption has no "*" yet.
std::string WithChangeMark(std::string_view caption);
// Removes the first "*".
std::string WithoutChangeMark(std::string_view caption);

// A "[" stands somewhere before the first "]".
bool IsBracketedTitle(std::string_view caption);
bool IsUntitledCaption(std::string_view caption);

// Save is available while a document is open and changed.
bool CanSaveConfiguration(std::string_view caption);

enum class SaveQuestionFor { NewOrLoad, Exit };
// Whether replacing the list (or exiting) must ask about unsaved changes.
bool MustAskToSave(std::string_view caption, int rowCount, SaveQuestionFor when);

} // namespace pw
