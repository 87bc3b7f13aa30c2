#pragma once

#include "ui/Action.h"
#include "ui/Control.h"
#include "ui/VisualStyle.h"
#include "ui/WindowPlacement.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pw::ui {

class Form;

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Window-level services of the one native window behind a form. The platform
// binding implements it; tests use a recording fake.
class FormSite {
public:
    virtual ~FormSite() = default;
    // Asks the window to close, which runs the form's close handler.
    virtual void RequestClose() = 0;
    virtual void PostMinimize() = 0;
    virtual void ShowWindow() = 0;
    virtual void RestoreIfMinimized() = 0;
    virtual void BringToFront() = 0;
    // Ends the message loop after the current message.
    virtual void Quit() = 0;
    virtual void Focus(const Control& control) = 0;
    // Applied before the window is first shown; centred keeps the size and
    // puts the window in the middle of the screen.
    virtual void SetPlacement(const WindowPlacement& placement, bool centred) = 0;
    virtual WindowPlacement GetPlacement() const = 0;
    virtual int ClientWidth() const = 0;
    // In pixels: the whole window with its frame, and its client area.
    virtual Size OuterSize() const = 0;
    virtual Size ClientSize() const = 0;
    // Keeps the window's place; the window's resize handler runs again.
    virtual void SetOuterSize(Size size) = 0;
    // The dots per inch of the screen the window is on.
    virtual int Dpi() const = 0;
    // Puts the window into the topmost band or takes it out, keeping its place.
    virtual void SetTopmost(bool on) = 0;
    // At a screen position; at the mouse pointer when both are -1.
    virtual void Popup(const PopupMenu& menu, int x, int y) = 0;
    // As the keyboard opens a menu: under the control, its first item selected.
    virtual void PopupFromKeyboard(const PopupMenu& menu, const Control& below) = 0;
    // Shows another form modally, owned by this one, and returns once the
    // form has a modal result; its native window is gone by then.
    virtual void RunModal(Form& dialog) = 0;

    // Window states: the notification area hides a minimized window.
    virtual void HideWindow() = 0;
    virtual bool IsMinimized() const = 0;
    virtual bool IsMaximized() const = 0;
    // A hidden button leaves the window off the taskbar (and its minimize
    // does not shrink into one).
    virtual void SetTaskbarButtonHidden(bool hidden) = 0;
    // Where the window goes when it is next minimized, on the screen.
    virtual void SetMinimizedPosition(int left, int top) = 0;
    // The outer bounds on the screen, as they are now.
    virtual Rect WindowBounds() const = 0;
    virtual void SetWindowBounds(const Rect& bounds) = 0;
};

// One entry of a window design: the control, the control it sits in (null for
// the window itself), its resource id and its design rectangle.
struct Placement {
    Control* control = nullptr;
    Control* parent = nullptr;
    int id = 0;
    // As designed, in 96-DPI pixels of the parent's client area.
    Rect design;
    // Where the control sits on the window: in a group, offset by the group's
    // place, so that its notifications reach the window directly.
    Rect BoundsOnWindow() const;
};

class Form {
public:
    Form() = default;
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The native window class the form is shown under.
    const std::string& WindowClass() const { return windowClass_; }

    // Run by the binding each time the window becomes visible, for each
    // request to close it (close box, Alt+F4; without a handler the window
    // goes), and when its window is destroyed.
    std::function<void()> OnShow;
    std::function<void()> OnCloseRequest;
    std::function<void()> OnDestroy;
    // Set by the binding while the form has a window: a form that goes
    // before its window runs it first, and the window goes then, without it.
    std::function<void()> OnGoing;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    std::function<void()> OnCaptionChanged;

    // The window's size as designed: the outer size, or the client size when
    // DesignSizeIsClient.
    int DesignWidth() const { return designWidth_; }
    int DesignHeight() const { return designHeight_; }
    bool DesignSizeIsClient() const { return designSizeIsClient_; }
    // Where the window first appears on the screen, when the design says.
    std::optional<Rect> DesignPosition() const { return designPosition_; }
    // A dialog that first appears centred on the window that owns it.
    bool CentredOnOwner() const { return centredOnOwner_; }

    // A modal form closes as soon as it has a result.
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }
    // A modal showing begins: no result yet. The show handler runs when the
    // window shows, as at every showing.
    void BeginModal() { modalResult_ = ModalResult::None; }

    // The look of the window's buttons and check boxes; none for the system's.
    std::optional<VisualStyle> Skin() const { return skin_; }

    const std::vector<Placement>& Controls() const { return controls_; }
    const std::vector<Action*>& Actions() const { return actions_; }

    // A key pressed anywhere in the window: runs the action of the shortcut
    // it is, exactly, while that action is available. False leaves the key to
    // the focused control: Ctrl+Shift+S is no Ctrl+S, nor is AltGr+S (Ctrl+Alt),
    // which types a letter on many keyboards.
    bool RunShortcut(std::uint16_t vk, bool ctrl, bool shift, bool alt);
    // The window's cancel command (Esc, where no control keeps the key):
    // clicks the cancel button. False for a form without one.
    bool Cancel();
    Control* FindById(int id) const;
    // Every control back at its design rectangle, multiplied for this DPI:
    // when the window is built, and when it moves to a screen of another DPI.
    void ScaleToDpi(int dpi);

    void AttachSite(FormSite* site) { site_ = site; }
    FormSite* Site() const { return site_; }

    // Runs every action's update handler: the binding calls it whenever the
    // message queue runs dry.
    void Idle();

protected:
    void SetDesignSize(int width, int height, bool isClient = false) {
        designWidth_ = width;
        designHeight_ = height;
        designSizeIsClient_ = isClient;
    }
    void SetWindowClass(std::string name) { windowClass_ = std::move(name); }
    void SetDesignPosition(int left, int top) { designPosition_ = Rect{left, top, 0, 0}; }
    void SetCentredOnOwner() { centredOnOwner_ = true; }
    void SetSkin(VisualStyle style) { skin_ = style; }
    // One row of the window design: where the control sits and what it says.
    void Place(Control& control, Control* parent, int id, Rect bounds, std::string text = {},
               std::string hint = {});
    void AddAction(Action& action) { actions_.push_back(&action); }
    void AddShortcut(std::uint16_t vk, bool ctrl, Action& action) {
        shortcuts_.push_back({vk, ctrl, &action});
    }
    void SetCancelButton(Button& button) { cancelButton_ = &button; }

private:
    std::string windowClass_;
    std::string caption_;
    int designWidth_ = 0;
    int designHeight_ = 0;
    bool designSizeIsClient_ = false;
    std::optional<Rect> designPosition_;
    bool centredOnOwner_ = false;
    std::optional<VisualStyle> skin_;
    ModalResult modalResult_ = ModalResult::None;
    std::vector<Placement> controls_;
    std::vector<Action*> actions_;
    struct Shortcut {
        std::uint16_t vk = 0;
        bool ctrl = false;
        Action* action = nullptr;
    };
    std::vector<Shortcut> shortcuts_;
    Button* cancelButton_ = nullptr;
    FormSite* site_ = nullptr;
};

} // namespace pw::ui
