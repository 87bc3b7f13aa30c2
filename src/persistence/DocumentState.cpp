#include "persistence/DocumentState.h"

namespace pw {

std::string_view FileNameOf(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\:/");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

void DocumentState::Show(std::string name) {
    name_ = std::move(name);
    changed_ = false;
}

void DocumentState::MarkChanged() {
    if (Shown())
        changed_ = true;
}

bool DocumentState::ShowsCurrentFile() const {
    return Shown() && *name_ == FileNameOf(file_);
}

bool DocumentState::MustAskToSave(int rowCount, SaveQuestionFor when) const {
    // A saved untitled list with rows has never been written anywhere.
    if (Changed() || (Untitled() && rowCount > 0))
        return true;
    // Without a document the list lives in the settings file, which exit
    // writes: only replacing it loses anything.
    return when == SaveQuestionFor::NewOrLoad && !Shown() && rowCount > 0;
}

std::string DocumentState::Caption(std::string_view baseTitle) const {
    std::string caption(baseTitle);
    if (Shown())
        caption.append(" - [").append(*name_).append(changed_ ? "*]" : "]");
    return caption;
}

} // namespace pw
