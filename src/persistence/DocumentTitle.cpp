#include "persistence/DocumentTitle.h"

namespace pw {

std::string_view FileNameOf(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\:/");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string DocumentCaption(std::string_view baseTitle, std::string_view name) {
    std::string caption(baseTitle);
    caption.append(" - [").append(name).append("]");
    return caption;
}

std::string WithChangeMark(std::string_view caption) {
    std::string out(caption);
    if (!out.empty() && out.back() == ']' && out.find('*') == std::string::npos)
        out.insert(out.size() - 1, "*");
    return out;
}

std::string WithoutChangeMark(std::string_view caption) {
    std::string out(caption);
    if (const std::size_t star = out.find('*'); star != std::string::npos)
        out.erase(star, 1);
    return out;
}

bool IsBracketedTitle(std::string_view caption) {
    const std::size_t open = caption.find('[');
    const std::size_t close = caption.find(']');
    return open != std::string_view::npos && close != std::string_view::npos && open < close;
}

bool IsUntitledCaption(std::string_view caption) {
    return caption.find("[Untitled]") != std::string_view::npos ||
           caption.find("[Untitled*]") != std::string_view::npos;
}

bool CanSaveConfiguration(std::string_view caption) {
    return IsBracketedTitle(caption) && caption.find('*') != std::string_view::npos;
}

bool MustAskToSave(std::string_view caption, int rowCount, SaveQuestionFor when) {
    const bool bracketed = IsBracketedTitle(caption);
    const bool changed = bracketed && caption.find('*') != std::string_view::npos;
    const bool untitledWithRows =
        caption.find("[Untitled]") != std::string_view::npos && rowCount > 0;
    if (changed || untitledWithRows)
        return true;
    // Without a document the list lives in the settings file, which exit
    // writes: only replacing it loses anything.
    return when == SaveQuestionFor::NewOrLoad && !bracketed && rowCount > 0;
}

} // namespace pw
