#include "clipboard/ClipboardText.h"

#include "platform/Desktop.h"
#include "text/Blanks.h"

namespace pw {

std::string_view TrimClipboardText(std::string_view text) {
    return TrimBlanks(text);
}

std::optional<std::string> TakeClipboardText(Desktop& desktop) {
    if (!desktop.ClipboardHasText() || desktop.ClipboardIsPrivate())
        return std::nullopt;
    std::optional<std::string> text = desktop.GetClipboardText();
    if (!text)
        return std::nullopt;
    const std::string_view trimmed = TrimClipboardText(*text);
    if (trimmed.size() == text->size())
        return text;
    const std::size_t start = static_cast<std::size_t>(trimmed.data() - text->data());
    text->erase(start + trimmed.size());
    text->erase(0, start);
    return text;
}

} // namespace pw
