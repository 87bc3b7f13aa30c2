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
    const int bar = ui::ScaleForDpi(kBarWidth, in.dpi);
    const int right = r.left + r.width;
    look.background = r;
    look.backgroundColor = colors.background;
    if (in.separator || !in.selected || !in.enabled) {
        look.bar = ui::Rect{r.left, r.top, std::min(bar, r.width), r.height};
        look.background = {r.left + bar, r.top, std::max(0, r.width - bar), r.height};
    } else {
        look.backgroundColor = colors.selectedFill;
        look.border = colors.selectedBorder;
    }
    if (in.separator) {
        look.separator =
            MenuLine{r.left + bar + ui::ScaleForDpi(kCaptionGap, in.dpi),
                     right - ui::ScaleForDpi(2, in.dpi), r.top + ui::ScaleForDpi(2, in.dpi)};
        return look;
    }
    const int captionLeft = r.left + bar + ui::ScaleForDpi(kCaptionGap, in.dpi);
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
