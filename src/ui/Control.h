#pragma once

#include "ui/Picture.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace pw::ui {

class PopupMenu;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle of that size in the middle of the area.
Rect CentredIn(const Rect& area, int width, int height);

struct Color {
    int r = 0, g = 0, b = 0; // 0 to 255 each
    friend bool operator==(const Color&, const Color&) = default;
};

// How a modal window was closed; None while it is open.
enum class ModalResult { None, Ok, Cancel };

// What changed in a control, so the native mirror can update only that.
enum class Change { State, Text, Items, Item, Selection, Columns };

enum class Kind {
    Label,
    Button,
    Edit,
    CaptureField,
    CheckBox,
    GroupBox,
    ListView,
    Image,
    MenuItem,
    Bevel
};

// A control as the program sees it: it owns its state; the platform layer mirrors
// that state to a real control and feeds user changes back in.
class Control {
public:
    using Observer = std::function<void(Change, int index)>;

    Control(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Kind GetKind() const { return kind_; }

    Rect Bounds() const { return bounds_; }
    void SetBounds(Rect r);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    bool Visible() const { return visible_; }
    void SetVisible(bool on);

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }

    // What assistive technology calls a control that has no caption to say
    // it, where its hint does not either.
    const std::string& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }

    // The context menu the control shows on a right click; null for none.
    PopupMenu* ContextMenu() const { return contextMenu_; }
    void SetContextMenu(PopupMenu* menu) { contextMenu_ = menu; }

    // Only the platform mirror subscribes; there is one observer per control.
    void SetObserver(Observer observer) { observer_ = std::move(observer); }

protected:
    void Notify(Change what, int index = -1) const;
    // The bounds a kind of control takes when given these.
    virtual Rect Fitted(Rect r) const { return r; }

private:
    std::string name_;
    Kind kind_;
    Rect bounds_{};
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
    std::string accessibleName_;
    PopupMenu* contextMenu_ = nullptr;
    Observer observer_;
};

// Controls with a caption or text: labels, buttons, edits, check boxes, groups.
class TextControl : public Control {
public:
    using Control::Control;
    const std::string& Text() const { return text_; }
    void SetText(std::string text);

private:
    std::string text_;
};

class Label : public TextControl {
public:
    explicit Label(std::string name) : TextControl(std::move(name), Kind::Label) {}
    // Unset: the system's text colour.
    std::optional<Color> FontColor() const { return fontColor_; }
    void SetFontColor(Color c) {
        fontColor_ = c;
        Notify(Change::State);
    }
    std::function<void()> OnClick;

    // A link: underlined, under a pointing hand, in the hover colour while
    // the mouse is over it and in the link colour otherwise.
    void SetLinkColors(Color link, Color hover);
    bool IsLink() const { return hoverColor_.has_value(); }
    void MouseEnter();
    void MouseLeave();

    // Unset: the window's background shows through.
    std::optional<Color> BackColor() const { return backColor_; }
    void SetBackColor(Color c) { backColor_ = c; }

    bool Bold() const { return bold_; }
    void SetBold(bool on) { bold_ = on; }
    // Links are underlined too.
    bool Underlined() const { return underlined_ || IsLink(); }
    void SetUnderlined(bool on) { underlined_ = on; }

    // The width of the caption in the font it is shown in, as the platform
    // measures it. A label is never narrower: it sizes itself to its caption,
    // so no font the system puts in for the design's clips it.
    int TextWidth() const { return textWidth_; }
    void SetTextWidth(int width);

protected:
    Rect Fitted(Rect r) const override;

private:
    bool bold_ = false;
    bool underlined_ = false;
    int textWidth_ = 0;
    std::optional<Color> fontColor_;
    std::optional<Color> backColor_;
    std::optional<Color> linkColor_;
    std::optional<Color> hoverColor_;
};

class GroupBox : public TextControl {
public:
    explicit GroupBox(std::string name) : TextControl(std::move(name), Kind::GroupBox) {}
};

// A sunken line between parts of a window.
class Bevel : public Control {
public:
    explicit Bevel(std::string name) : Control(std::move(name), Kind::Bevel) {}
};

class Image : public Control {
public:
    explicit Image(std::string name) : Control(std::move(name), Kind::Image) {}

    const Picture& GetPicture() const { return picture_; }
    void SetPicture(Picture picture);
    // An icon from the program's resources, 0 for none.
    int IconId() const { return picture_.IconId(); }
    void SetIconId(int id) { SetPicture(Picture::Icon(id)); }
    // Pixels drawn to the image's size instead of at their own.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on) { stretch_ = on; }
    // A solid fill behind the picture, and in place of a missing one.
    std::optional<Color> Fill() const { return fill_; }
    void SetFill(Color c) { fill_ = c; }
    bool HasPicture() const { return !picture_.Empty() || fill_.has_value(); }
    // The pointing hand over an image that opens something.
    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool on) { handCursor_ = on; }

    // Fired when the left button is released over the image it went down on.
    std::function<void()> OnClick;
    void Click();

    // The mouse over the image, as the binding reports it. Entering and
    // leaving come in pairs, whatever the binding repeats.
    void MouseEnter();
    void MouseLeave();
    bool MouseInside() const { return inside_; }
    // Any button. A release the image saw no press for is ignored; the
    // result says whether the press ends in a click (over the image, left
    // button, enabled).
    void MouseDown();
    bool MouseUp(bool clickable);

protected:
    Image(std::string name, Kind kind) : Control(std::move(name), kind) {}
    // What a kind of image adds to the mouse's comings and goings.
    virtual void MouseEntered() {}
    virtual void MouseLeft() {}
    virtual void Pressed() {}
    virtual void Released() {}

private:
    Picture picture_;
    bool stretch_ = false;
    bool handCursor_ = false;
    std::optional<Color> fill_;
    bool inside_ = false;
    bool pressed_ = false;
};

class Button : public TextControl {
public:
    explicit Button(std::string name) : TextControl(std::move(name), Kind::Button) {}
    std::function<void()> OnClick;
    // A disabled button ignores clicks, whatever the native control reports.
    // Otherwise the window gets the button's modal result before the handler runs.
    void Click();

    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }
    // Set by the window that holds the button.
    std::function<void(ModalResult)> OnModalResult;

    // A bitmap from the program's resources beside the caption, 0 for none.
    int GlyphId() const { return glyphId_; }
    void SetGlyphId(int id) { glyphId_ = id; }

    // Fired every so often while the left button is held on the button.
    std::function<void()> OnMouseRepeat;

private:
    ModalResult modalResult_ = ModalResult::None;
    int glyphId_ = 0;
};

class Edit : public TextControl {
public:
    explicit Edit(std::string name) : TextControl(std::move(name), Kind::Edit) {}

protected:
    Edit(std::string name, Kind kind) : TextControl(std::move(name), kind) {}
};

// An entry field filled by pressing a key combination instead of typing. The
// binding hands it the key presses it takes, and combinations the system
// holds as hotkeys pressed while it has the focus; nothing typed reaches it.
class CaptureField : public Edit {
public:
    explicit CaptureField(std::string name) : Edit(std::move(name), Kind::CaptureField) {}
    // Whether the field takes the key rather than the window's own navigation.
    virtual bool Takes(std::uint16_t vk, bool ctrl) const = 0;
    // A combination pressed in the field: modifier flags as a hotkey takes them.
    virtual void TakeCombination(std::uint32_t modifiers, std::uint16_t vk) = 0;
};

class CheckBox : public TextControl {
public:
    explicit CheckBox(std::string name) : TextControl(std::move(name), Kind::CheckBox) {}
    bool Checked() const { return checked_; }
    // Setting a different state runs the click handler, as a user's click would.
    void SetChecked(bool on);
    std::function<void()> OnClick;

private:
    bool checked_ = false;
};

} // namespace pw::ui
