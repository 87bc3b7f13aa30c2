#include "clipboard/ClipboardText.h"

#include "platform/Desktop.h"

namespace pw {

namespace {
constexpr bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string_view TrimClipboardText(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlankOrControl(text[first]))
        ++first;
    std::size_t last = text.size();
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    return text.substr(first, last - first);
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
