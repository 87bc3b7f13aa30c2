#pragma once

#include "platform/win32/ControlMirror.h"
#include "platform/win32/DrawnControls.h"
#include "platform/win32/FormFonts.h"
#include "platform/win32/SkinSubclass.h"
#include "platform/win32/Unique.h"
#include "ui/Form.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace pw::win32 {

// The controls of one form window: a child window for each control object of
// the design, in the design's font, skinned where the form has a skin, kept
// in step with its object by the mirror; or, for labels, pictures and group
// frames of a form that draws them, a place the window paints itself.
class ChildControls {
public:
    ChildControls(ui::Form& form, const HWND& parent, const FormFonts& fonts);
    ChildControls(const ChildControls&) = delete;
    ChildControls& operator=(const ChildControls&) = delete;

    // Labels, pictures and group frames without windows of their own.
    void DrawLabelsAndPictures() { drawsLabelsAndPictures_ = true; }
    bool DrawsLabelsAndPictures() const { return drawsLabelsAndPictures_; }

    // Made in their state, place and size, then followed by the mirror.
    void Create(int dpi);
    // The parent window is gone, and its children with it; the objects stay.
    void Forget();

    const std::vector<NativeChild>& All() const { return children_; }
    const NativeChild* Find(HWND hwnd) const;
    // The control's window, if it has one.
    HWND WindowOf(const ui::Control& control) const;
    ControlMirror& Mirror() { return mirror_; }
    DrawnControls& Drawn() { return drawn_; }

    // Controls placed while a layout pass runs move once, at its end.
    void BeginPass() {
        mirror_.BeginPass();
        drawn_.BeginPass();
    }
    void EndPass() {
        drawn_.EndPass();
        mirror_.EndPass();
    }

    // After the fonts were made anew for another DPI.
    void FontsChanged();
    // WM_PAINT of the parent: its drawn controls, and the skinned ones with
    // them when the whole window is painted.
    void Paint(HDC dc, const RECT& dirty);
    // WM_CTLCOLORSTATIC: false leaves the control to the system's colours.
    bool StaticColors(HDC dc, HWND control, LRESULT& result);
    // NM_CUSTOMDRAW of a skinned control that draws itself outside its painting.
    bool CustomDraw(const NMHDR& header, LRESULT& result);

private:
    HWND CreateControl(const ui::Placement& p, const NativeChild::Pushed& state);
    ui::Rect BoundsAtCreation(const ui::Placement& p, int dpi) const;
    // Skinned push buttons, check boxes and link labels.
    void Skin(HWND hwnd, ui::Control& control);
    void PaintSkinnedChildren(HDC dc, const RECT& dirty);

    ui::Form& form_;
    const HWND& parent_;
    const FormFonts& fonts_;
    bool drawsLabelsAndPictures_ = false;
    std::vector<NativeChild> children_;
    SkinPictures pictures_;
    std::vector<std::unique_ptr<SkinnedControl>> skinned_;
    // Pictures and links with windows of their own, and the pointer over each.
    std::vector<std::unique_ptr<PointedControl>> pointed_;
    // One brush per colour of the labels and picture placeholders.
    std::map<std::uint32_t, UniqueGdiObject> brushes_;
    ControlMirror mirror_{children_};
    DrawnControls drawn_;
};

} // namespace pw::win32
