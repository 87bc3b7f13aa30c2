#pragma once

#include "ui/Control.h"
#include "ui/VisualStyle.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pw::ui {

// A menu entry; separators have no caption and never fire.
class MenuItem : public TextControl {
public:
    MenuItem(std::string name, std::string caption, bool separator = false)
        : TextControl(std::move(name), Kind::MenuItem), separator_(separator) {
        SetText(std::move(caption));
    }
    bool IsSeparator() const { return separator_; }
    std::function<void()> OnClick;
    void Click() {
        if (!separator_ && Enabled() && OnClick)
            OnClick();
    }

private:
    bool separator_;
};

class PopupMenu {
public:
    explicit PopupMenu(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }
    void Add(MenuItem& item) { items_.push_back(&item); }
    const std::vector<MenuItem*>& Items() const { return items_; }
    // Drawn by the program in that style; none for the system's menus.
    std::optional<VisualStyle> Skin() const { return skin_; }
    void SetSkin(VisualStyle style) { skin_ = style; }

private:
    std::string name_;
    std::optional<VisualStyle> skin_;
    std::vector<MenuItem*> items_;
};

// A command shared by a button and a menu item. Its update handler decides
// availability; the linked controls are greyed together with it.
class Action {
public:
    Action(std::string name, std::string caption)
        : name_(std::move(name)), caption_(std::move(caption)) {}
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }

    std::function<void()> OnExecute;
    // Returns whether the command is available now.
    std::function<bool()> OnUpdate;

    void Link(Control& control);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    // Re-evaluates availability (the idle step).
    void Update();
    // Acts only while the availability rule holds, checked afresh; returns
    // whether it acted.
    bool Execute();

private:
    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    std::vector<Control*> linked_;
};

} // namespace pw::ui
