#pragma once

#include "platform/win32/Unique.h"
#include "ui/DrawnPointer.h"
#include "ui/LayoutPassHold.h"
#include "ui/Form.h"

#include <windows.h>

#include <uxtheme.h>

#include <functional>
#include <vector>

namespace pw::win32 {

inline void CloseTheme(HTHEME theme) {
    CloseThemeData(theme);
}
using UniqueTheme = Unique<HTHEME, CloseTheme>;

// Labels, pictures and group frames that the form window draws on itself
// instead of making a window for each. Every child window costs the start-up its creation and a
// painting of its own, and these only show something and answer the mouse.
// They lie under the form's child windows and never overlap them.
class DrawnControls {
public:
    using FontFor = std::function<HFONT(const ui::Control&)>;

    DrawnControls(const HWND& form, FontFor fontFor) : form_(form), fontFor_(std::move(fontFor)) {}

    static bool Draws(const ui::Control& control) {
        const ui::Kind kind = control.GetKind();
        return kind == ui::Kind::Label || kind == ui::Kind::Image || kind == ui::Kind::GroupBox;
    }
    void Add(const ui::Placement& placement) { drawn_.push_back({placement, {}}); }
    // Follows the objects from now on: a change is drawn again.
    void Attach();

    // Controls placed while a layout pass runs are drawn again once, at its
    // end, and only if they ended somewhere else (a pass only places them).
    void BeginPass() { hold_.Begin(); }
    void EndPass();
    void Detach();
    void Clear() { drawn_.clear(); }

    // WM_PAINT of the form window: the controls the dirty rectangle touches,
    // frames and pictures under labels.
    void Paint(HDC dc, const RECT& dirty) const;
    // The mouse over the form window's own client area; true when the message
    // was one of a drawn control's.
    bool Mouse(UINT msg, WPARAM wp, LPARAM lp);
    // The pointing hand over a link or an image that opens something.
    bool WantsHand(POINT client) const;
    // Captions measured again, after a change of font.
    void FitLabels();
    // Hints, as tools of the form's tooltip window.
    void AddTools(HWND tooltip);
    // WM_THEMECHANGED: the frames' theme is opened again at the next painting.
    void ThemeChanged();

private:
    struct Drawn {
        ui::Placement placement;
        ui::Rect shown; // where it was last drawn
    };
    std::vector<ui::PointerTarget> Targets() const;
    // The control's enter or leave notification; none for -1.
    void Tell(int index, bool entering);
    // Null for a label.
    ui::Image* ImageAt(int index) const;
    void Changed(Drawn& drawn);

    // The themed look of a group frame, opened at the first painting.
    HTHEME ButtonTheme() const;

    const HWND& form_;
    FontFor fontFor_;
    std::vector<Drawn> drawn_;
    ui::DrawnPointer pointer_;
    bool tracking_ = false;
    HWND tooltip_ = nullptr;
    ui::LayoutPassHold hold_;
    mutable UniqueTheme theme_;
    mutable bool themeAsked_ = false;
};

} // namespace pw::win32
