#pragma once

#include "ui/Control.h"
#include "ui/Picture.h"

#include <functional>
#include <string>

namespace pw {

// An image that shows one picture while the mouse is over it and another
// after it has left, and sinks by two pixels while a mouse button is held on
// it. Until the mouse first comes, it shows the picture the form gave it.
class TWlmShiftImage : public ui::Image {
public:
    explicit TWlmShiftImage(std::string name) : ui::Image(std::move(name)) {}

    // The control keeps its own copies; setting one leaves the picture on
    // display as it is.
    const ui::Picture& FocusedPicture() const { return focused_; }
    void SetFocusedPicture(const ui::Picture& picture) { focused_ = picture; }
    const ui::Picture& NoFocusedPicture() const { return noFocused_; }
    void SetNoFocusedPicture(const ui::Picture& picture) { noFocused_ = picture; }

    // Fired before the picture changes, also while the control is disabled.
    std::function<void(ui::Control& sender)> OnMouseEnter;
    std::function<void(ui::Control& sender)> OnMouseLeave;

    // How far a held button moves the control, right and down.
    static constexpr int kShift = 2;

protected:
    void MouseEntered() override;
    void MouseLeft() override;
    void Pressed() override;
    void Released() override;

private:
    // A disabled control keeps whatever picture it shows.
    void Show(const ui::Picture& picture);
    void Move(int by);

    ui::Picture focused_;
    ui::Picture noFocused_;
};

} // namespace pw
