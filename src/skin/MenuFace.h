#pragma once

#include "ui/Control.h"
#include "ui/Form.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw::skin {

// The main menu's look, as the program sets it.
struct MenuColors {
    ui::Color bar;
    ui::Color background;
    ui::Color text;
    ui::Color separator;
    ui::Color selectedFill;
    ui::Color selectedBorder;
    ui::Color selectedText;
    ui::Color disabledText;
};
const MenuColors& DeepBlueColors();

// A menu item's text: its caption and the shortcut after a tab.
struct MenuCaption {
    std::string caption;
    std::string shortcut;
};
MenuCaption SplitMenuCaption(std::string_view text);

// How an item goes into the system's menu. A separator stays a separator to
// the system, drawn by the skin or not: the arrow keys pass over it and
// assistive technology announces no empty item.
struct MenuItemType {
    bool separator = false;
    bool ownerDrawn = false;
    bool enabled = true;
    // Only items that say something carry their caption to the system.
    bool captioned = true;
    friend bool operator==(const MenuItemType&, const MenuItemType&) = default;
};
MenuItemType MenuItemTypeFor(bool separator, bool enabled, bool skinned);

// Measured in the menu's font at this DPI.
ui::Size MeasureMenuItem(bool separator, ui::Size caption, int shortcutWidth, int dpi);

struct MenuItemLookInput {
    ui::Rect item;
    int dpi = 96;
    bool separator = false;
    bool selected = false;
    bool enabled = true;
    bool checked = false;
    int shortcutWidth = 0;
};

struct ColorRect {
    ui::Rect at;
    ui::Color color;
    friend bool operator==(const ColorRect&, const ColorRect&) = default;
};

struct MenuItemLook {
    // Filled in this order: the bar and the background, or the highlight and
    // its frame; a separator's line.
    std::vector<ColorRect> fills;
    // The caption, one line, vertically centred in it; then the shortcut.
    ui::Rect caption;
    ui::Rect shortcut;
    ui::Color textColor;
    std::optional<ui::Rect> checkMark;
};

MenuItemLook PlanMenuItem(const MenuItemLookInput& in, const MenuColors& colors);

// The item an accelerator key chooses: the first enabled one whose caption
// underlines that letter, in either case; -1 for none.
int MnemonicItem(const std::vector<std::string>& captions, const std::vector<bool>& enabled,
                 char key);

} // namespace pw::skin
