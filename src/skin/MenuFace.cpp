#include "skin/MenuFace.h"

#include "skin/Strips.h"
#include "ui/DpiScale.h"

#include <algorithm>
#include <cctype>

namespace pw::skin {

namespace {

constexpr int kItemHeight = 21;
constexpr int kSeparatorHeight = 5;
constexpr int kBarWidth = 26;
constexpr int kExtraWidth = 40;
constexpr int kCaptionGap = 4;
constexpr int kShortcutRightMargin = 16;
constexpr int kCheckLeft = 4;
constexpr int kCheckTop = 3;
constexpr int kCheckSize = 16;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The letter after a single "&"; "&&" is an ampersand.
std::optional<char> Mnemonic(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return Lower(caption[i + 1]);
        ++i;
    }
    return std::nullopt;
}

} // namespace

const MenuColors& DeepBlueColors() {
    static const MenuColors colors{
        FromDesignColor(13554646), {255, 255, 255},           {0, 0, 0},
        FromDesignColor(8684164),  FromDesignColor(10504772), FromDesignColor(10504772),
        {255, 255, 255},           FromDesignColor(8421504)};
    return colors;
}

MenuCaption SplitMenuCaption(std::string_view text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, tab)), std::string(text.substr(tab + 1))};
}

MenuItemType MenuItemTypeFor(bool separator, bool enabled, bool skinned) {
    if (separator)
        return {true, skinned, true, false};
    return {false, skinned, enabled, true};
}

ui::Size MeasureMenuItem(bool separator, ui::Size caption, int shortcutWidth, int dpi) {
    if (separator)
        return {ui::ScaleForDpi(kBarWidth + kExtraWidth, dpi),
                ui::ScaleForDpi(kSeparatorHeight, dpi)};
    return {caption.width + shortcutWidth + ui::ScaleForDpi(kBarWidth + kExtraWidth, dpi),
            std::max(caption.height, ui::ScaleForDpi(kItemHeight, dpi))};
}

MenuItemLook PlanMenuItem(const MenuItemLookInput& in, const MenuColors& colors) {
    MenuItemLook look;
    const ui::Rect& r = in.item;
    const int bar = std::min(ui::ScaleForDpi(kBarWidth, in.dpi), r.width);
    const int right = r.left + r.width;
    const int line = ui::ScaleForDpi(1, in.dpi);
    if (in.separator || !in.selected || !in.enabled) {
        look.fills = {{{r.left, r.top, bar, r.height}, colors.bar},
                      {{r.left + bar, r.top, r.width - bar, r.height}, colors.background}};
    } else {
        const ui::Color edge = colors.selectedBorder;
        look.fills = {{r, colors.selectedFill},
                      {{r.left, r.top, r.width, line}, edge},
                      {{r.left, r.top + r.height - line, r.width, line}, edge},
                      {{r.left, r.top, line, r.height}, edge},
                      {{right - line, r.top, line, r.height}, edge}};
    }
    const int captionLeft = r.left + bar + ui::ScaleForDpi(kCaptionGap, in.dpi);
    if (in.separator) {
        const int end = right - ui::ScaleForDpi(2, in.dpi);
        look.fills.push_back({{captionLeft, r.top + ui::ScaleForDpi(2, in.dpi),
                               std::max(0, end - captionLeft), line},
                              colors.separator});
        return look;
    }
    look.caption = {captionLeft, r.top, std::max(0, right - captionLeft), r.height};
    const int shortcutRight = right - ui::ScaleForDpi(kShortcutRightMargin, in.dpi);
    look.shortcut = {shortcutRight - in.shortcutWidth, r.top, in.shortcutWidth, r.height};
    look.textColor = !in.enabled   ? colors.disabledText
                     : in.selected ? colors.selectedText
                                   : colors.text;
    if (in.checked)
        look.checkMark =
            ui::Rect{r.left + ui::ScaleForDpi(kCheckLeft, in.dpi),
                     r.top + ui::ScaleForDpi(kCheckTop, in.dpi),
                     ui::ScaleForDpi(kCheckSize, in.dpi), ui::ScaleForDpi(kCheckSize, in.dpi)};
    return look;
}

int MnemonicItem(const std::vector<std::string>& captions, const std::vector<bool>& enabled,
                 char key) {
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (i < enabled.size() && enabled[i] && Mnemonic(captions[i]) == Lower(key))
            return static_cast<int>(i);
    return -1;
}

} // namespace pw::skin
